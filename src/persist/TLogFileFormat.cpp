#include "TLogFileFormat.h"

#include "support/TDelimitedText.h"

#include <array>

namespace {
constexpr QChar kMiddleDot(0x00B7);

struct LevelRow
{
    TLogLevel level;
    const char* word;
    int imageIndex;
    TBalloonKind balloon;
};

const std::array<LevelRow, 7> kLevels{{
    {TLogLevel::Info, "INFO", 43, TBalloonKind::Information},
    {TLogLevel::Warning, "WARNING", 42, TBalloonKind::Warning},
    {TLogLevel::Error, "ERROR", 45, TBalloonKind::Error},
    {TLogLevel::Connecting, "CONNECTING", 2, TBalloonKind::Information},
    {TLogLevel::Disconnecting, "DISCONNECTING", 1, TBalloonKind::Information},
    {TLogLevel::Start, "START", 46, TBalloonKind::None},
    {TLogLevel::Stop, "STOP", 47, TBalloonKind::None},
}};

const LevelRow& rowOf(TLogLevel level)
{
    return kLevels[size_t(level)];
}

QString restoreBlanks(QString field)
{
    return field.replace(kMiddleDot, u' ');
}

QString encodeField(QString field)
{
    field.replace(u'\r', u' ').replace(u'\n', u' ');
    for (const QChar c : std::as_const(field)) {
        if (c == u';' || c == u'"' || c.unicode() < 32) {
            field.replace(u'"', QLatin1String("\"\""));
            return u'"' + field + u'"';
        }
    }
    return field;
}
} // namespace

QString TLogFileFormat::LevelWord(TLogLevel level)
{
    return QLatin1String(rowOf(level).word);
}

std::optional<TLogLevel> TLogFileFormat::LevelFromWord(QStringView word)
{
    for (const LevelRow& row : kLevels) {
        if (word == QLatin1String(row.word))
            return row.level;
    }
    return std::nullopt;
}

int TLogFileFormat::ImageIndex(std::optional<TLogLevel> level)
{
    return level ? rowOf(*level).imageIndex : -1;
}

TBalloonKind TLogFileFormat::BalloonKind(TLogLevel level)
{
    return rowOf(level).balloon;
}

std::optional<TLogEntry> TLogFileFormat::ParseLine(QStringView line)
{
    // Blanks would separate fields, so they travel as middle dots through the split.
    QString text = line.toString();
    text.replace(u' ', kMiddleDot);
    const QStringList fields = TDelimitedText::split(text, u';');
    if (fields.size() < 4)
        return std::nullopt;
    TLogEntry entry;
    entry.Level = LevelFromWord(fields[0]);
    entry.Timestamp = restoreBlanks(fields[1]);
    entry.Server = restoreBlanks(fields[2]);
    entry.Message = restoreBlanks(fields[3]);
    if (fields.size() > 4)
        entry.Details = restoreBlanks(fields[4]);
    return entry;
}

QString TLogFileFormat::FormatLine(const TLogEntry& entry)
{
    const QString word = entry.Level ? LevelWord(*entry.Level) : QString();
    return word + u';' + encodeField(entry.Timestamp) + u';' + encodeField(entry.Server) + u';' +
           encodeField(entry.Message) + u';' + encodeField(entry.Details);
}
