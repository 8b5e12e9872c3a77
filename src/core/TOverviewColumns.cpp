#include "TOverviewColumns.h"

#include "TQVRDElement.h"
#include "support/TDateFormat.h"

namespace {
struct ColumnInfo
{
    const char* caption;
    int width;
};

constexpr ColumnInfo kColumns[TOverviewColumns::Count] = {
    {"Name", 120},         {"Alias", 50},      {"Address", 120},           {"Connection Time", 120},
    {"Username", 70},      {"Domain", 70},     {"Description", 80},        {"Folder", 70},
    {"Filename", 50},      {"RDP Port", 50},   {"Connect To Console", 50}, {"Smart Size", 50},
    {"Creation Time", 50}, {"Last Write", 50},
};
QString timestamp(const QDateTime& moment, const TDateFormat& dates)
{
    return moment.isValid() ? dates.formatTimestamp(moment) : QString();
}
} // namespace

QString TOverviewColumns::Caption(int column)
{
    return QLatin1String(kColumns[column].caption);
}

int TOverviewColumns::InitialWidth(int column)
{
    return kColumns[column].width;
}

int TOverviewColumns::FromCaption(const QString& caption)
{
    for (int column = 0; column < Count; ++column) {
        if (caption == QLatin1String(kColumns[column].caption))
            return column;
    }
    return -1;
}

QString TOverviewColumns::Text(const TQVRDElement& element, int column, const QString& rootFolder,
                               const TDateFormat& dates)
{
    const TRDPFile& file = element.RdpFile();
    switch (column) {
    case Name:
        return element.Name();
    case Alias:
        return file.Alias;
    case Address:
        return file.FullAddress;
    case ConnectionTime:
        return element.ConnectTimeText;
    case Username:
        return file.UserName;
    case Domain:
        return file.Domain;
    case Description:
        return file.Description;
    case Folder:
        return file.GetFolder().mid(rootFolder.size());
    case Filename:
        return file.FileName;
    case RdpPort:
        return QString::number(file.Port);
    case ConnectToConsole:
        return TRDPValue::BoolToText(file.ConnectToConsole != 0);
    case SmartSize:
        return TRDPValue::BoolToText(file.SmartSizing != 0);
    case CreationTime:
        return timestamp(file.CreationTime, dates);
    case LastWrite:
        return timestamp(file.LastWriteTime, dates);
    default:
        return QString();
    }
}
