#pragma once

#include <QString>
#include <QStringView>

#include <optional>

/// The levels of event log entries, in the order callers pass them.
enum class TLogLevel { Info = 0, Warning = 1, Error = 2, Connecting = 3, Disconnecting = 4, Start = 5, Stop = 6 };

/// The kind of tray balloon an entry raises.
enum class TBalloonKind { None, Information, Warning, Error };

struct TLogEntry
{
    QString Timestamp;
    QString Server;
    QString Message;
    QString Details;
    std::optional<TLogLevel> Level;
    friend bool operator==(const TLogEntry&, const TLogEntry&) = default;
};

/// One line of the log file: level word, timestamp, server, message and details, separated by ";".
namespace TLogFileFormat {
QString LevelWord(TLogLevel level);
std::optional<TLogLevel> LevelFromWord(QStringView word);
/// The level's icon in the shared image list; -1 for an entry without level.
int ImageIndex(std::optional<TLogLevel> level);
TBalloonKind BalloonKind(TLogLevel level);

/// An entry, or none for a line with fewer than four fields. A line of four fields has empty details.
std::optional<TLogEntry> ParseLine(QStringView line);
/// The line for an entry, without line break. Fields that would not read back as they are (holding ";",
/// a double quote or a control character) are quoted; a line break inside a field becomes a blank.
QString FormatLine(const TLogEntry& entry);
} // namespace TLogFileFormat
