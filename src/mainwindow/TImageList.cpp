#include "TImageList.h"

#include <QHash>

namespace {
struct Picture
{
    int index;
    const char* file;
};

constexpr Picture kPictures[] = {
    {TImageList::ServerIdle, "server"},
    {TImageList::Connecting1, "server-connecting-1"},
    {TImageList::Connecting2, "server-connecting-2"},
    {TImageList::ServerSelected, "server-selected"},
    {TImageList::ServerAnswered, "server-answered"},
    {TImageList::FolderClosed, "folder"},
    {TImageList::FolderClosedSelected, "folder-selected"},
    {TImageList::FolderOpen, "folder-open"},
    {TImageList::FolderOpenSelected, "folder-open-selected"},
    {TImageList::SortAscending, "sort-up"},
    {TImageList::SortDescending, "sort-down"},
    {TImageList::MiniView, "mini-view"},
    {TImageList::FavoriteRemove, "favorite-remove"},
    {TImageList::FolderAdd, "folder-add"},
    {TImageList::FolderRename, "folder-rename"},
    {TImageList::FolderDelete, "folder-delete"},
    {TImageList::ServerAdd, "server-add"},
    {TImageList::ServerDelete, "server-delete"},
    {TImageList::FavoriteAdd, "favorite-add"},
    {TImageList::RemoteDesktop, "remote-desktop"},
    {TImageList::LogWarning, "log-warning"},
    {TImageList::LogInfo, "log-info"},
    {TImageList::LogError, "log-error"},
    {TImageList::LogStart, "log-start"},
    {TImageList::LogStop, "log-stop"},
    {TImageList::Fullscreen, "fullscreen"},
    {TImageList::ServerDuplicate, "server-duplicate"},
    {TImageList::ServerConnected, "server-connected"},
    {TImageList::WindowShow, "window-show"},
    {TImageList::TabGroups, "tab-groups"},
};
} // namespace

TImageList::TImageList()
{
    for (const Picture& picture : kPictures)
        m_icons.insert(picture.index, QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(picture.file))));
}

QIcon TImageList::Icon(int index) const
{
    return m_icons.value(index);
}

QList<int> TImageList::Indexes() const
{
    QList<int> indexes = m_icons.keys();
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}
