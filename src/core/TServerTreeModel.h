#pragma once

#include "TTreeModel.h"

#include <QHash>

/// The server tree: folder nodes (data 0) and server nodes (data = the element number).
class TServerTreeModel : public TTreeModel
{
    Q_OBJECT

public:
    static constexpr int FolderImageIndex = 6;
    static constexpr int FolderSelectedImageIndex = 7;
    static constexpr int OpenFolderImageIndex = 9;
    static constexpr int OpenFolderSelectedImageIndex = 10;
    static constexpr int ServerImageIndex = 0;
    static constexpr int ServerSelectedImageIndex = 4;
    static constexpr int ConnectedImageIndex = 59;

    using TTreeModel::TTreeModel;

    /// Drops every node and starts a rebuild; views see one reset when `EndRebuild` runs.
    void BeginRebuild();
    void EndRebuild();
    Node* AddFolder(Node* parent, const QString& name);
    /// A server node with the idle icons, or the connected ones.
    Node* AddServer(Node* parent, const QString& name, int number, bool connected);

    /// Position of the node in top-to-bottom order over all levels; -1 for none.
    int AbsoluteIndex(const QModelIndex& index) const;
    QModelIndex NodeAtAbsoluteIndex(int absoluteIndex) const;
    int NodeCount() const;

    /// Sets the icons of every server node of the element.
    void SetServerImages(int number, int imageIndex, int selectedImageIndex);

    /// Where the selection goes after a rebuild: the old absolute index, stepped back into the new tree.
    /// -1 when nothing was selected or the tree is empty.
    static int RestoredSelectionIndex(int oldAbsoluteIndex, int nodeCount);

private:
    bool m_rebuilding = false;
    QMultiHash<int, Node*> m_serversByNumber;
};
