#include "TQVSettings.h"

#include "TIniFile.h"
#include "TLogEventTable.h"
#include "TOptions.h"
#include "core/TQVRDElementList.h"
#include "support/TDateFormat.h"

#include <algorithm>

namespace {
const QString kMain = QStringLiteral("MAIN");
const QString kFavorites = QStringLiteral("FAVORITES");
const QString kOverview = QStringLiteral("OVERVIEW");
const QString kHistory = QStringLiteral("History");
const QString kLastUsed = QStringLiteral("LAST USED");
const QString kLastEdit = QStringLiteral("LAST EDIT RDP FILES");
const QString kExport = QStringLiteral("EXPORT");
const QString kExportFields = QStringLiteral("ExportFields");
constexpr int kRecentFilesKept = 10;

QList<TNamedPath> readNamedPaths(const TIniFile& store, const QString& section)
{
    QList<TNamedPath> entries;
    for (const auto& [name, path] : store.ReadSectionValues(section))
        entries.append({name, path});
    return entries;
}

std::optional<int> readIfPresent(const TIniFile& store, const QString& key, int fallback)
{
    if (!store.ValueExists(kMain, key))
        return std::nullopt;
    return store.ReadInteger(kMain, key, fallback);
}
} // namespace

TQVSettings::TQVSettings(TIniFile& store, TOptions& options, TLogEventTable& logEvents, TQVRDElementList& list,
                         const TDateFormat& dates)
    : m_store(store)
    , m_options(options)
    , m_logEvents(logEvents)
    , m_list(list)
    , m_dates(dates)
{}

void TQVSettings::ReadFavorites()
{
    Favorites = readNamedPaths(m_store, kFavorites);
}

TMainLayout TQVSettings::ReadMainLayout() const
{
    const TMainLayout defaults;
    TMainLayout layout;
    layout.Height = readIfPresent(m_store, QStringLiteral("HEIGHT"), 742);
    layout.Top = readIfPresent(m_store, QStringLiteral("TOP"), 0);
    layout.Width = readIfPresent(m_store, QStringLiteral("Width"), 876);
    layout.Left = readIfPresent(m_store, QStringLiteral("LEFT"), 0);
    layout.ShowConnectionSettings =
        m_store.ReadBool(kMain, QStringLiteral("ShowConnectionSettings"), defaults.ShowConnectionSettings);
    layout.ColorSchemeName = m_store.ReadString(kMain, QStringLiteral("ColorSchemeName"), defaults.ColorSchemeName);
    layout.ShowTabGroups = m_store.ReadBool(kMain, QStringLiteral("ShowTabGroups"), defaults.ShowTabGroups);
    layout.ShowTabHeaders = m_store.ReadBool(kMain, QStringLiteral("ShowTabHeaders"), defaults.ShowTabHeaders);
    layout.FavExpanded = m_store.ReadBool(kMain, QStringLiteral("FavExpanded"), defaults.FavExpanded);
    layout.FavHeight = m_store.ReadInteger(kMain, QStringLiteral("FavHeight"), defaults.FavHeight);
    layout.ServerExpanded = m_store.ReadBool(kMain, QStringLiteral("ServerExpanded"), defaults.ServerExpanded);
    return layout;
}

void TQVSettings::LoadSettings(IWindowSettings* window)
{
    if (window)
        window->ApplyMainLayout(ReadMainLayout());
    m_options.LoadOptions(m_store);

    if (window) {
        QMap<int, int> widths;
        const int count = int(m_store.ReadSection(kOverview).size());
        for (int column = 0; column < count; ++column) {
            const auto width = TIniFile::ParseInteger(m_store.ReadString(kOverview, QString::number(column), {}));
            if (width && *width >= -2)
                widths.insert(column, *width);
        }
        window->ApplyOverviewColumnWidths(widths);
    }

    m_logEvents.Load(m_store);

    m_list.RecentFiles.clear();
    const int recentCount = int(m_store.ReadSection(kLastUsed).size());
    for (int i = 1; i <= recentCount; ++i) {
        const QString path = m_store.ReadString(kLastUsed, QString::number(i), {});
        if (!path.isEmpty())
            m_list.RecentFiles.append(path);
    }

    LastEditFiles = readNamedPaths(m_store, kLastEdit);

    const TExportSettings defaults;
    Export.Captions = m_store.ReadBool(kExport, QStringLiteral("Captions"), defaults.Captions);
    Export.Separator = m_store.ReadString(kExport, QStringLiteral("Separator"), defaults.Separator);
    Export.Filename = m_store.ReadString(kExport, QStringLiteral("Filename"), defaults.Filename);
    Export.Fields = ReadExportFields();
}

QMap<int, bool> TQVSettings::ReadExportFields() const
{
    QMap<int, bool> fields;
    for (const QString& key : m_store.ReadSection(kExportFields)) {
        bool ok = false;
        const int index = key.toInt(&ok);
        if (ok)
            fields.insert(index, m_store.ReadBool(kExportFields, key, true));
    }
    return fields;
}

TStatus TQVSettings::writeMainLayout(const TMainLayout& layout)
{
    const std::pair<const char*, std::optional<int>> geometry[] = {
        {"HEIGHT", layout.Height}, {"TOP", layout.Top}, {"Width", layout.Width}, {"LEFT", layout.Left}};
    m_store.BeginUpdate();
    for (const auto& [key, value] : geometry) {
        if (value)
            (void)m_store.WriteInteger(kMain, QLatin1String(key), *value);
    }
    (void)m_store.WriteBool(kMain, QStringLiteral("ShowConnectionSettings"), layout.ShowConnectionSettings);
    (void)m_store.WriteString(kMain, QStringLiteral("ColorSchemeName"), layout.ColorSchemeName);
    (void)m_store.WriteBool(kMain, QStringLiteral("ShowTabGroups"), layout.ShowTabGroups);
    (void)m_store.WriteBool(kMain, QStringLiteral("ShowTabHeaders"), layout.ShowTabHeaders);
    (void)m_store.WriteBool(kMain, QStringLiteral("FavExpanded"), layout.FavExpanded);
    (void)m_store.WriteInteger(kMain, QStringLiteral("FavHeight"), layout.FavHeight);
    (void)m_store.WriteBool(kMain, QStringLiteral("ServerExpanded"), layout.ServerExpanded);
    return m_store.EndUpdate();
}

void TQVSettings::PutRecentEdit(const TNamedPath& entry)
{
    const auto same = std::find_if(LastEditFiles.begin(), LastEditFiles.end(),
                                   [&entry](const TNamedPath& other) { return other.Path == entry.Path; });
    if (same != LastEditFiles.end())
        LastEditFiles.erase(same);
    LastEditFiles.prepend(entry);
}

QList<QPair<QString, QString>> TQVSettings::loadedOnly(const QList<TNamedPath>& entries) const
{
    QList<QPair<QString, QString>> values;
    for (const TNamedPath& entry : entries) {
        if (m_list.FindByFileName(entry.Path))
            values.append({entry.Name, entry.Path});
    }
    return values;
}

TStatus TQVSettings::SaveSettings(IWindowSettings* window)
{
    // Each section is written in one piece, so a settings file never holds half a section.
    if (TStatus status = writeMainLayout(window ? window->MainLayout() : ReadMainLayout()); !status)
        return status;
    if (TStatus status = m_store.WriteSection(kFavorites, loadedOnly(Favorites)); !status)
        return status;
    if (TStatus status = m_options.SaveOptions(m_store); !status)
        return status;

    if (window) {
        QList<QPair<QString, QString>> widths;
        const QList<int> columns = window->OverviewColumnWidths();
        for (int i = 0; i < int(columns.size()); ++i)
            widths.append({QString::number(i), QString::number(columns[i])});
        if (TStatus status = m_store.WriteSection(kOverview, widths); !status)
            return status;
    }

    m_list.SortByLastUsed();
    QList<QPair<QString, QString>> history;
    for (int i = 0; i < m_list.Count(); ++i) {
        const TQVRDElement* e = m_list.At(i);
        if (e->LastUsed.isValid())
            history.append({e->RdpFile().FileName, m_dates.formatShortDate(e->LastUsed.date())});
    }
    if (TStatus status = m_store.WriteSection(kHistory, history); !status)
        return status;

    QList<QPair<QString, QString>> recent;
    for (int i = 0; i < std::min<int>(kRecentFilesKept, int(m_list.RecentFiles.size())); ++i)
        recent.append({QString::number(i + 1), m_list.RecentFiles[i]});
    if (TStatus status = m_store.WriteSection(kLastUsed, recent); !status)
        return status;
    if (TStatus status = m_store.WriteSection(kLastEdit, loadedOnly(LastEditFiles)); !status)
        return status;

    m_store.BeginUpdate();
    (void)m_store.WriteBool(kExport, QStringLiteral("Captions"), Export.Captions);
    (void)m_store.WriteString(kExport, QStringLiteral("Separator"), Export.Separator);
    (void)m_store.WriteString(kExport, QStringLiteral("Filename"), Export.Filename);
    if (TStatus status = m_store.EndUpdate(); !status)
        return status;

    QList<QPair<QString, QString>> fields;
    for (auto it = Export.Fields.cbegin(); it != Export.Fields.cend(); ++it)
        fields.append({QString::number(it.key()), it.value() ? QStringLiteral("1") : QStringLiteral("0")});
    if (TStatus status = m_store.WriteSection(kExportFields, fields); !status)
        return status;

    return m_logEvents.Save(m_store);
}

void TQVSettings::ApplyHistory()
{
    for (const auto& [path, value] : m_store.ReadSectionValues(kHistory)) {
        if (TQVRDElement* e = m_list.FindByFileName(path)) {
            const QDate date = m_dates.parseShortDate(value);
            e->LastUsed = date.isValid() ? QDateTime(date, QTime(0, 0)) : QDateTime();
        }
    }
}
