#include "TMainActions.h"

#include "TImageList.h"

#include <QAction>
#include <QActionGroup>

TMainActions::TMainActions(const TImageList& images, QObject* parent)
    : QObject(parent)
    , m_images(images)
{
    acServerConnect = make("acServerConnect", QStringLiteral("Connect"), TImageList::Connecting2);
    acServerConnectNewWindow =
        make("acServerConnectNewWindow", QStringLiteral("Connect with MSTSC"), TImageList::RemoteDesktop, false);
    acServerConnectToggle = make("acServerConnectToggle", QString(), -1, false);
    acServerDisconnect = make("acServerDisconnect", QStringLiteral("Disconnect"), TImageList::Connecting1);
    acServerRunGroup = make("acServerRunGroup", QStringLiteral("Connect to all"), TImageList::Connecting1, false);
    acFullscreen = make("acFullscreen", QStringLiteral("Fullscreen"), TImageList::Fullscreen, false);

    acServerAdd = make("acServerAdd", QStringLiteral("Add Server"), TImageList::ServerAdd, false);
    acServerEdit = make("acServerEdit", QStringLiteral("Edit Server"), TImageList::ServerSelected);
    acServerDel = make("acServerDel", QStringLiteral("Delete Server"), TImageList::ServerDelete, false);
    acServerDuplicate =
        make("acServerDuplicate", QStringLiteral("Duplicate Server"), TImageList::ServerDuplicate, false);
    acGroupAdd = make("acGroupAdd", QStringLiteral("Add Folder"), TImageList::FolderAdd, false);
    acGroupRen = make("acGroupRen", QStringLiteral("Rename Folder"), TImageList::FolderRename, false);
    acGroupDel = make("acGroupDel", QStringLiteral("Delete Folder"), TImageList::FolderDelete, false);
    acExplorer = make("acExplorer", QStringLiteral("Windows Explorer"), TImageList::FolderOpen, false);
    acExplorer->setToolTip(QStringLiteral("Explorer"));
    acRDS = make("acRDS", QStringLiteral("Remote Desktop"), TImageList::RemoteDesktop, false);
    acFavAdd = make("acFavAdd", QStringLiteral("Add to favorites"), TImageList::FavoriteAdd, false);
    acFavRemove = make("acFavRemove", QStringLiteral("Remove from favorites"), TImageList::FavoriteRemove, false);

    acRefresh = make("acRefresh", QStringLiteral("Refresh"), TImageList::FolderOpen);
    acRefresh->setShortcut(Qt::Key_F5);
    acMiniView = make("acMiniView", QStringLiteral("Mini View"), TImageList::MiniView);
    acMiniView->setCheckable(true);
    acShowTabGroups = make("acShowTabGroups", QStringLiteral("Show Tab groups"), TImageList::TabGroups);
    acShowTabGroups->setCheckable(true);
    acConSet = make("acConSet", QStringLiteral("Connection Settings"), TImageList::ServerSelected);
    acConSet->setCheckable(true);
    acAjustClientArea = make("acAjustClientArea", QStringLiteral("Ajust Client Area"), -1, false);
    ac640_480 = make("ac640_480", QStringLiteral("640 x 480"));
    ac600_800 = make("ac600_800", QStringLiteral("800 x 600"));
    ac768_1024 = make("ac768_1024", QStringLiteral("1024 x 768"));
    ac1024_1280 = make("ac1024_1280", QStringLiteral("1280 x 1024"));
    auto* sizes = new QActionGroup(this);
    for (QAction* action : WorkingSizeCommands()) {
        action->setCheckable(true);
        sizes->addAction(action);
    }
    acFullExpand = make("acFullExpand", QStringLiteral("Full expand"), TImageList::FolderOpen);
    acFullCollapse = make("acFullCollapse", QStringLiteral("Full collapse"), TImageList::FolderClosed);

    acImport = make("acImport", QStringLiteral("Import"), -1, false);
    acExport = make("acExport", QStringLiteral("Export"), -1, false);
    acOptions = make("acOptions", QStringLiteral("Options"), -1, false);
    acInfo = make("acInfo", QStringLiteral("Info"), TImageList::LogInfo, false);
    acClose = make("acClose", QStringLiteral("Close"), TImageList::LogStop);
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

QList<QAction*> TMainActions::WorkingSizeCommands() const
{
    return {ac640_480, ac600_800, ac768_1024, ac1024_1280};
}
