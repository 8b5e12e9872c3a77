#include "TMainActions.h"

#include "TImageList.h"

#include <QAction>

TMainActions::TMainActions(const TImageList& images, QObject* parent)
    : QObject(parent)
    , m_images(images)
{
    acServerConnect = make("acServerConnect", QStringLiteral("Connect"), TImageList::ServerConnected);
    acServerDisconnect = make("acServerDisconnect", QStringLiteral("Disconnect"), TImageList::ServerIdle);
    acServerConnectNewWindow = make("acServerConnectNewWindow", QStringLiteral("Connect with MSTSC"), -1, false);
    acServerAdd = make("acServerAdd", QStringLiteral("Add Server"), TImageList::ServerSelected, false);
    acServerDel = make("acServerDel", QStringLiteral("Delete Server"), -1, false);
    acServerEdit = make("acServerEdit", QStringLiteral("Edit Server"), -1, false);
    acServerDuplicate = make("acServerDuplicate", QStringLiteral("Duplicate Server"), -1, false);
    acGroupAdd = make("acGroupAdd", QStringLiteral("Add Folder"), TImageList::FolderClosed, false);
    acGroupDel = make("acGroupDel", QStringLiteral("Delete Folder"), -1, false);
    acGroupRen = make("acGroupRen", QStringLiteral("Rename Folder"), TImageList::FolderOpen, false);
    acServerRunGroup = make("acServerRunGroup", QStringLiteral("Connect to all"), -1, false);
    acFavAdd = make("acFavAdd", QStringLiteral("Add to Favorites"), -1, false);
    acFavRemove = make("acFavRemove", QStringLiteral("Remove from Favorites"), -1, false);
    acRefresh = make("acRefresh", QStringLiteral("Refresh"));
    acRefresh->setShortcut(Qt::Key_F5);
    acMiniView = make("acMiniView", QStringLiteral("Mini View"));
    acMiniView->setCheckable(true);
    acShowTabGroups = make("acShowTabGroups", QStringLiteral("Show Tab groups"));
    acShowTabGroups->setCheckable(true);
    acConnectionSettings = make("acConnectionSettings", QStringLiteral("Connection Settings"), -1, false);
    acConnectionSettings->setCheckable(true);
    acOptions = make("acOptions", QStringLiteral("Options"), -1, false);
    acImport = make("acImport", QStringLiteral("Import"), -1, false);
    acExport = make("acExport", QStringLiteral("Export"), -1, false);
    acInfo = make("acInfo", QStringLiteral("Info"), TImageList::LogInfo, false);
    acClose = make("acClose", QStringLiteral("Close"), TImageList::LogStop);
    acFullExpand = make("acFullExpand", QStringLiteral("Full expand"));
    acFullCollapse = make("acFullCollapse", QStringLiteral("Full collapse"));
}

QAction* TMainActions::make(const char* name, const QString& caption, int image, bool available)
{
    auto* action = new QAction(m_images.Icon(image), caption, this);
    action->setObjectName(QLatin1String(name));
    // Commands whose behaviour comes later are shown but cannot be used yet.
    action->setProperty("available", available);
    action->setEnabled(available);
    return action;
}

QList<QAction*> TMainActions::SelectionCommands() const
{
    return {acServerConnect, acServerDisconnect, acServerConnectNewWindow, acServerDel, acServerEdit, acServerDuplicate,
            acGroupDel,      acGroupRen,         acServerRunGroup,         acFavAdd,    acFavRemove};
}
