#pragma once

#include "support/TResult.h"

#include <QList>
#include <QMap>
#include <QString>

#include <optional>

class TDateFormat;
class TIniFile;
class TLogEventTable;
class TOptions;
class TQVRDElementList;

/// The main window's layout as the settings file keeps it.
struct TMainLayout
{
    // Applied only when stored; otherwise the window keeps its built-in geometry.
    std::optional<int> Height;
    std::optional<int> Top;
    std::optional<int> Width;
    std::optional<int> Left;
    bool ShowConnectionSettings = false;
    QString ColorSchemeName = QStringLiteral("Blue");
    bool ShowTabGroups = false;
    bool ShowTabHeaders = true;
    bool FavExpanded = true;
    int FavHeight = 100;
    bool ServerExpanded = true;
    friend bool operator==(const TMainLayout&, const TMainLayout&) = default;
};

/// A caption and a connection file, as the favorites and the recent list keep them.
struct TNamedPath
{
    QString Name;
    QString Path;
    friend bool operator==(const TNamedPath&, const TNamedPath&) = default;
};

struct TExportSettings
{
    bool Captions = true;
    QString Separator = QStringLiteral(";");
    QString Filename = QStringLiteral("VelmoraManagerExport.csv");
    /// Field index -> selected.
    QMap<int, bool> Fields;
    friend bool operator==(const TExportSettings&, const TExportSettings&) = default;
};

/// What only the window knows: its geometry and the overview's column widths.
class IWindowSettings
{
public:
    virtual ~IWindowSettings() = default;
    virtual TMainLayout MainLayout() const = 0;
    virtual void ApplyMainLayout(const TMainLayout& layout) = 0;
    virtual QList<int> OverviewColumnWidths() const = 0;
    /// Column index -> width, only for the stored widths that are valid (-2 or more).
    virtual void ApplyOverviewColumnWidths(const QMap<int, int>& widths) = 0;
};

/// Reads and writes every section of the settings file, in the documented order.
class TQVSettings
{
public:
    TQVSettings(TIniFile& store, TOptions& options, TLogEventTable& logEvents, TQVRDElementList& list,
                const TDateFormat& dates);

    QList<TNamedPath> Favorites;
    QList<TNamedPath> LastEditFiles;
    TExportSettings Export;

    /// Puts a connection at the top of the recent edits (`LastEditFiles`), dropping its older entry.
    void PutRecentEdit(const TNamedPath& entry);
    /// The favorites as stored, in file order (start-up reads them before the scan).
    void ReadFavorites();
    /// Everything but the favorites and the history; the window may be absent (headless use).
    void LoadSettings(IWindowSettings* window);
    /// Writes every section; stops at the first key that cannot be written and says which file.
    TStatus SaveSettings(IWindowSettings* window);
    /// Sets the last-used date of every loaded connection named in the history; runs after each scan.
    void ApplyHistory();
    /// The export wizard's field choices as stored.
    QMap<int, bool> ReadExportFields() const;

    TMainLayout ReadMainLayout() const;

private:
    TStatus writeMainLayout(const TMainLayout& layout);
    QList<QPair<QString, QString>> loadedOnly(const QList<TNamedPath>& entries) const;

    TIniFile& m_store;
    TOptions& m_options;
    TLogEventTable& m_logEvents;
    TQVRDElementList& m_list;
    const TDateFormat& m_dates;
};
