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

    QAction* acServerConnect;
    QAction* acServerDisconnect;
    QAction* acServerConnectNewWindow;
    QAction* acServerAdd;
    QAction* acServerDel;
    QAction* acServerEdit;
    QAction* acServerDuplicate;
    QAction* acGroupAdd;
    QAction* acGroupDel;
    QAction* acGroupRen;
    QAction* acServerRunGroup;
    QAction* acFavAdd;
    QAction* acFavRemove;
    QAction* acRefresh;
    QAction* acMiniView;
    QAction* acShowTabGroups;
    QAction* acConnectionSettings;
    QAction* acOptions;
    QAction* acImport;
    QAction* acExport;
    QAction* acInfo;
    QAction* acClose;
    QAction* acFullExpand;
    QAction* acFullCollapse;

    /// The commands whose enabled state follows the selection.
    QList<QAction*> SelectionCommands() const;

private:
    QAction* make(const char* name, const QString& caption, int image = -1, bool available = true);

    const TImageList& m_images;
};
