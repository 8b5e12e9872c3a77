#pragma once

#include <QHash>
#include <QIcon>
#include <QList>

/// The window's shared image list: tree, lists, session tabs and commands refer to pictures by index.
class TImageList
{
public:
    enum Index {
        ServerIdle = 0,
        Connecting1 = 1,
        Connecting2 = 2,
        ServerSelected = 4,
        ServerAnswered = 5,
        FolderClosed = 6,
        FolderClosedSelected = 7,
        FolderOpen = 9,
        FolderOpenSelected = 10,
        SortAscending = 18,
        SortDescending = 19,
        MiniView = 24,
        FavoriteRemove = 27,
        FolderAdd = 28,
        FolderRename = 29,
        FolderDelete = 30,
        ServerAdd = 31,
        ServerDelete = 33,
        FavoriteAdd = 34,
        RemoteDesktop = 35,
        LogWarning = 42,
        LogInfo = 43,
        LogError = 45,
        LogStart = 46,
        LogStop = 47,
        Fullscreen = 56,
        ServerDuplicate = 57,
        ServerConnected = 59,
        WindowShow = 60,
        TabGroups = 61,
    };

    TImageList();

    /// The picture of an index; a null icon for an index the list does not hold (such as -1, "no image").
    QIcon Icon(int index) const;
    QList<int> Indexes() const;

private:
    QHash<int, QIcon> m_icons;
};
