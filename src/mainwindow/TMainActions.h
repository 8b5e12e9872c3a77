#pragma once

#include <QObject>

class QAction;
class TImageList;

/// The main window's commands, named as the rest of the program refers to them. Commands whose behaviour
/// is not built yet exist and stay disabled.
class TMainActions : public QObject
{
    Q_OBJECT

public:
    TMainActions(const TImageList& images, QObject* parent);

    // Sessions
    QAction* acServerConnect;
    QAction* acServerConnectNewWindow;
    QAction* acServerConnectToggle;
    QAction* acServerDisconnect;
    QAction* acServerRunGroup;
    QAction* acFullscreen;
    // Servers and folders
    QAction* acServerAdd;
    QAction* acServerEdit;
    QAction* acServerDel;
    QAction* acServerDuplicate;
    QAction* acGroupAdd;
    QAction* acGroupRen;
    QAction* acGroupDel;
    QAction* acExplorer;
    QAction* acRDS;
    QAction* acFavAdd;
    QAction* acFavRemove;
    // View
    QAction* acRefresh;
    QAction* acMiniView;
    QAction* acShowTabGroups;
    QAction* acConSet;
    QAction* acAjustClientArea;
    QAction* ac640_480;
    QAction* ac600_800;
    QAction* ac768_1024;
    QAction* ac1024_1280;
    QAction* acFullExpand;
    QAction* acFullCollapse;
    // Tools and application
    QAction* acImport;
    QAction* acExport;
    QAction* acOptions;
    QAction* acInfo;
    QAction* acClose;

    QList<QAction*> WorkingSizeCommands() const;

private:
    QAction* make(const char* name, const QString& caption, int image = -1, bool available = true);

    const TImageList& m_images;
};
