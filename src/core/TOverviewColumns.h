#pragma once

#include <QString>

class TDateFormat;
class TQVRDElement;

/// The fourteen columns of the overview list: captions, initial widths and each connection's cell texts.
/// The export uses the same columns, so they live here rather than in the list widget.
namespace TOverviewColumns {
enum Column {
    Name,
    Alias,
    Address,
    ConnectionTime,
    Username,
    Domain,
    Description,
    Folder,
    Filename,
    RdpPort,
    ConnectToConsole,
    SmartSize,
    CreationTime,
    LastWrite,
    Count
};

QString Caption(int column);
int InitialWidth(int column);
/// The column captioned `caption`; -1 when none is.
int FromCaption(const QString& caption);
/// The text of one cell. `rootFolder` is the resolved connection root folder (no trailing delimiter);
/// the "Folder" column shows the file's folder relative to it, with leading and trailing delimiters.
QString Text(const TQVRDElement& element, int column, const QString& rootFolder, const TDateFormat& dates);
} // namespace TOverviewColumns
