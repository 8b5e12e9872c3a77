#include "TServerTreeModel.h"

#include <algorithm>

void TServerTreeModel::BeginRebuild()
{
    beginResetModel();
    m_rebuilding = true;
    m_serversByNumber.clear();
    clearNodes();
}

void TServerTreeModel::EndRebuild()
{
    m_rebuilding = false;
    endResetModel();
}

TTreeModel::Node* TServerTreeModel::AddFolder(Node* parent, const QString& name)
{
    return appendNode(parent ? parent : root(), name, FolderImageIndex, FolderSelectedImageIndex, 0, m_rebuilding);
}

TTreeModel::Node* TServerTreeModel::AddServer(Node* parent, const QString& name, int number, bool connected)
{
    Node* node = appendNode(parent ? parent : root(), name, connected ? ConnectedImageIndex : ServerImageIndex,
                            connected ? ConnectedImageIndex : ServerSelectedImageIndex, number, m_rebuilding);
    m_serversByNumber.insert(number, node);
    return node;
}

int TServerTreeModel::AbsoluteIndex(const QModelIndex& index) const
{
    if (!index.isValid())
        return -1;
    const Node* target = nodeOf(index);
    const std::vector<Node*> nodes = preorder();
    const auto it = std::find(nodes.begin(), nodes.end(), target);
    return it == nodes.end() ? -1 : int(it - nodes.begin());
}

QModelIndex TServerTreeModel::NodeAtAbsoluteIndex(int absoluteIndex) const
{
    const std::vector<Node*> nodes = preorder();
    if (absoluteIndex < 0 || absoluteIndex >= int(nodes.size()))
        return {};
    return indexOf(nodes[size_t(absoluteIndex)]);
}

int TServerTreeModel::NodeCount() const
{
    return int(preorder().size());
}

void TServerTreeModel::SetServerImages(int number, int imageIndex, int selectedImageIndex)
{
    for (auto it = m_serversByNumber.find(number); it != m_serversByNumber.end() && it.key() == number; ++it) {
        Node* node = it.value();
        if (node->imageIndex == imageIndex && node->selectedImageIndex == selectedImageIndex)
            continue;
        node->imageIndex = imageIndex;
        node->selectedImageIndex = selectedImageIndex;
        const QModelIndex index = indexOf(node);
        Q_EMIT dataChanged(index, index, {ImageIndexRole, SelectedImageIndexRole});
    }
}

int TServerTreeModel::RestoredSelectionIndex(int oldAbsoluteIndex, int nodeCount)
{
    if (oldAbsoluteIndex < 0 || nodeCount <= 0)
        return -1;
    return std::min(oldAbsoluteIndex, nodeCount - 1);
}
