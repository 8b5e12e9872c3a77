#pragma once

#include "TFolderListing.h"
#include "TFolderScanner.h"
#include "TQVRDElementList.h"
#include "TServerTreeModel.h"
#include "TTagsTreeModel.h"
#include "persist/TEventLog.h"
#include "persist/TIniFile.h"
#include "persist/TLogEventTable.h"
#include "persist/TOptions.h"
#include "persist/TQVSettings.h"
#include "support/TDateFormat.h"
#include "support/TQVAppInfo.h"

#include <QObject>
#include <QPointer>
#include <QThread>

#include <functional>
#include <memory>

class IPrompt;

/// The services the main window owns for the whole run, and the parts of start-up and shutdown that need no
/// window, in their order. The window builds one, runs `Startup` while it is created and `Shutdown` when it
/// closes, and passes the services down to its collaborators.
///
/// States: created -> ready (end of Startup) -> closing (Shutdown) -> closed.
class TAppCore
{
public:
    static inline const QString SettingsFileName = QStringLiteral("qvrd.ini");
    static inline const QString LayoutFileName = QStringLiteral("qvrdps.ini");
    static inline const QString LogFileName = QStringLiteral("qvrd.log");

    TAppCore(const TQVAppInfo& appInfo, IPrompt& prompt);
    ~TAppCore();

    /// Log, settings store, favorites, options, connection root folder (created when missing), folder scan,
    /// "Application Start", history; the ready flag last. `logLoaded` runs right after the log is read (the
    /// window shows its splash there).
    void Startup(const std::function<void()>& logLoaded = {});
    /// Rebuilds the server tree from the connection root folder; files that cannot be read are reported in
    /// one message and logged.
    void RefreshConnections();
    /// Lists the connection root folder and reads the new connection files on a worker thread, then calls
    /// `ready` on this thread with the listing for `ApplyListing`; with none when a rebuild happened in the
    /// meantime (the tree is newer than the listing). Nothing is called once shutdown has begun.
    void TakeListingInBackground(std::function<void(TFolderListing*)> ready);
    /// `RefreshConnections` from a listing taken beforehand.
    void ApplyListing(TFolderListing& listing);
    /// Whether the window may close: without connected sessions at once, otherwise when the user agrees.
    bool CloseQuery();
    /// Closing flag, "Application Stop", settings saved, connections freed (ending every session), log saved.
    void Shutdown(IWindowSettings* window = nullptr);

    bool Ready() const { return m_ready; }
    bool Closing() const { return m_closing; }
    QString ConnectionRootFolder() const;
    /// Whether the settings file existed when the run began (the ribbon hides its groups otherwise).
    bool HadSettingsFile() const { return m_hadSettingsFile; }

    const TQVAppInfo& AppInfo;
    TDateFormat Dates;
    TEventLog Log;
    TOptions Options;
    TLogEventTable LogEvents;
    std::unique_ptr<TQVRDElementList> List;
    TServerTreeModel Tree;
    TTagsTreeModel Tags;
    std::unique_ptr<TIniFile> Store;
    std::unique_ptr<TIniFile> Layout;
    std::unique_ptr<TQVSettings> Settings;

private:
    void reportScanErrors(const QList<TScanError>& errors);

    IPrompt& m_prompt;
    std::unique_ptr<TFolderScanner> m_scanner;
    /// Receives the listings of background refreshes; deleting it drops those still on their way.
    QObject m_listingReceiver;
    /// Background listings still running; the core waits for them before it goes away.
    QList<QPointer<QThread>> m_listingWorkers;
    /// Counts rebuilds of the tree, so that a listing taken before the latest one is not applied.
    quint64 m_treeGeneration = 0;
    bool m_ready = false;
    bool m_closing = false;
    bool m_hadSettingsFile = false;
};
