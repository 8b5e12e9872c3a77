#pragma once

#include "support/TResult.h"

#include <QList>
#include <QString>

class TIniFile;

/// One command-line task offered for a server; "%IP%" in the command stands for the server's address.
struct TServerTask
{
    QString Name;
    QString Command;
    friend bool operator==(const TServerTask&, const TServerTask&) = default;
};

/// The live option values. Every class reads options from here, never from the settings file; the options
/// dialog edits them (OK saves, Cancel reloads).
class TOptions
{
public:
    static inline const QString Section = QStringLiteral("OPTIONS");
    static inline const QString ServerTasksSection = QStringLiteral("SERVER TASKS");

    bool ConfirmDisconnect = false;
    bool HideStatusbar = false;
    bool AutoUpdateCheck = false;
    bool FoldertextWithCount = true;
    bool MinimizeToTray = true;
    bool AutoselectServer = true;
    bool AllowMSTSC = true;
    bool ShowLogEventsAsBallonHints = false;
    int MRUCount = 20;
    bool CloseServerEditAfterSave = false;
    QString ConnectionRootFolder = QStringLiteral("\\Connections");
    QString ServerListCaption = QStringLiteral("%HOSTNAME%");
    QString MRUCaption = QStringLiteral("%HOSTNAME%");
    QString HistoryCaption = QStringLiteral("%HOSTNAME%");
    QString FavCaption = QStringLiteral("%HOSTNAME%");
    QString PanelCaption = QStringLiteral("%HOSTNAME%");
    bool AutoFilter = false;
    bool AutoFilterFolder = false;
    bool Foldername = false;

    QList<TServerTask> ServerTasks = DefaultServerTasks();
    int ServerTaskStringGridColWidth1 = 80;
    int ServerTaskStringGridColWidth2 = 80;

    /// The tasks offered when none are stored.
    static QList<TServerTask> DefaultServerTasks();

    /// Reads the options, the server tasks and the task grid's column widths.
    void LoadOptions(const TIniFile& ini);
    /// Writes them; stops at the first key that cannot be written.
    TStatus SaveOptions(TIniFile& ini) const;

    /// The absolute connection root folder for the current setting.
    QString ResolveConnectionRootFolder(const QString& startDir) const;
    /// A value beginning with "\" (the stored default "\Connections") or any other relative value lies in
    /// the start directory; a value beginning with "/" is absolute. Backslashes become "/"; no trailing "/".
    static QString ResolveConnectionRootFolder(const QString& setting, const QString& startDir);
};
