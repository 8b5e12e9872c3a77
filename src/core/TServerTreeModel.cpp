#include "TServerTreeModel.h"

#include "TQVRDElement.h"
#include "support/TPath.h"

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

int TServerTreeModel::AbsoluteIndexOfServer(int number) const
{
    const std::vector<Node*> nodes = preorder();
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i]->data == number && number != 0)
            return int(i);
    }
    return -1;
}

int TServerTreeModel::NodeCount() const
{
    return int(preorder().size());
}

void TServerTreeModel::SetServerImages(int number, int imageIndex, int selectedImageIndex)
{
    for (auto it = m_serversByNumber.find(number); it != m_serversByNumber.end() && it.key() == number; ++it) {
        Node* node = it.value();
        // A negative index keeps that picture.
        const int image = imageIndex >= 0 ? imageIndex : node->imageIndex;
        const int selected = selectedImageIndex >= 0 ? selectedImageIndex : node->selectedImageIndex;
        if (node->imageIndex == image && node->selectedImageIndex == selected)
            continue;
        node->imageIndex = image;
        node->selectedImageIndex = selected;
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

void TServerTreeModel::SetServerCaption(int number, const QString& caption)
{
    if (caption.isEmpty())
        return;
    for (auto it = m_serversByNumber.find(number); it != m_serversByNumber.end() && it.key() == number; ++it) {
        Node* node = it.value();
        if (node->text == caption)
            continue;
        node->text = caption;
        const QModelIndex index = indexOf(node);
        Q_EMIT dataChanged(index, index, {Qt::DisplayRole});
    }
}

bool TServerTreeModel::IsServerNode(const QModelIndex& index)
{
    return index.isValid() && index.data(NodeDataRole).toInt() != 0;
}

QString TServerTreeModel::StripFolderCount(const QModelIndex& index) const
{
    return index.isValid() ? nodeOf(index)->name : QString();
}

QString TServerTreeModel::GetNodePath(const QModelIndex& index) const
{
    QString path;
    for (const Node* node = nodeOf(index); index.isValid() && node && node != root(); node = node->parent)
        path.prepend(u'/' + (node->data == 0 ? node->name : node->text));
    return path;
}

QString TServerTreeModel::GetNodeFolder(const QModelIndex& index, const QString& rootFolder) const
{
    const QString base = TPath::withoutTrailingDelimiter(rootFolder);
    if (!index.isValid())
        return base;
    if (!IsServerNode(index))
        return base + GetNodePath(index);
    return base + GetNodePath(index.parent());
}

void TServerTreeModel::SetFolderCaptions(bool withCount)
{
    for (Node* node : preorder()) {
        if (node->data != 0)
            continue;
        const QString text =
            withCount ? QStringLiteral("%1 (%2)").arg(node->name).arg(node->children.size()) : node->name;
        if (node->text == text)
            continue;
        node->text = text;
        const QModelIndex index = indexOf(node);
        Q_EMIT dataChanged(index, index, {Qt::DisplayRole});
    }
}

void TServerTreeModel::SetExpanded(const QModelIndex& index, bool expanded)
{
    if (!index.isValid() || IsServerNode(index))
        return;
    Node* node = nodeOf(index);
    node->imageIndex = expanded ? OpenFolderImageIndex : FolderImageIndex;
    node->selectedImageIndex = expanded ? OpenFolderSelectedImageIndex : FolderSelectedImageIndex;
    Q_EMIT dataChanged(index, index, {ImageIndexRole, SelectedImageIndexRole});
}

int TServerTreeModel::FindServer(const QString& text, int start) const
{
    if (text.isEmpty())
        return -1;
    const std::vector<Node*> nodes = preorder();
    for (int i = std::max(0, start); i < int(nodes.size()); ++i) {
        if (nodes[size_t(i)]->data != 0 && nodes[size_t(i)]->text.contains(text, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

QString TServerTreeModel::MakeCaption(const QString& pattern, const TQVRDElement& element, bool panel)
{
    const TRDPFile& file = element.RdpFile();
    QString caption = pattern;
    caption.replace(QLatin1String("%ALIAS%"), file.Alias);
    if (panel)
        caption.replace(QLatin1String("%FOLDER%"), TPath::fileName(TPath::withoutTrailingDelimiter(file.GetFolder())));
    caption.replace(QLatin1String("%HOSTNAME%"), element.Name());
    caption.replace(QLatin1String("%IP%"), file.FullAddress);
    return caption;
}
