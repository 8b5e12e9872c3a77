#include "TTreeModel.h"

#include <algorithm>

TTreeModel::TTreeModel(QObject* parent)
    : QAbstractItemModel(parent)
    , m_root(std::make_unique<Node>())
{}

TTreeModel::~TTreeModel() = default;

QModelIndex TTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    const Node* p = nodeOf(parent);
    if (column != 0 || row < 0 || row >= int(p->children.size()))
        return {};
    return createIndex(row, 0, p->children[size_t(row)].get());
}

QModelIndex TTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return {};
    return indexOf(nodeOf(child)->parent);
}

int TTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    return int(nodeOf(parent)->children.size());
}

int TTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant TTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Node* node = nodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return node->text;
    case ImageIndexRole:
        return node->imageIndex;
    case SelectedImageIndexRole:
        return node->selectedImageIndex;
    case NodeDataRole:
        return node->data;
    default:
        return {};
    }
}

TTreeModel::Node* TTreeModel::nodeOf(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : m_root.get();
}

QModelIndex TTreeModel::indexOf(const Node* node) const
{
    if (!node || node == m_root.get())
        return {};
    return createIndex(node->row, 0, const_cast<Node*>(node));
}

std::vector<TTreeModel::Node*> TTreeModel::preorder() const
{
    std::vector<Node*> out;
    std::vector<Node*> stack{m_root.get()};
    while (!stack.empty()) {
        Node* node = stack.back();
        stack.pop_back();
        if (node != m_root.get())
            out.push_back(node);
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it)
            stack.push_back(it->get());
    }
    return out;
}

bool TTreeModel::precedes(const Node* a, const Node* b)
{
    // The row paths from the root decide: the first differing row, or the ancestor first.
    auto path = [](const Node* n) {
        std::vector<int> rows;
        for (; n->parent; n = n->parent)
            rows.push_back(n->row);
        std::reverse(rows.begin(), rows.end());
        return rows;
    };
    return path(a) < path(b);
}

TTreeModel::Node* TTreeModel::appendNode(Node* parent, const QString& text, int imageIndex, int selectedImageIndex,
                                         int data, bool silent)
{
    const int row = int(parent->children.size());
    if (!silent)
        beginInsertRows(indexOf(parent), row, row);
    auto node = std::make_unique<Node>();
    node->text = text;
    node->name = text;
    node->imageIndex = imageIndex;
    node->selectedImageIndex = selectedImageIndex;
    node->data = data;
    node->parent = parent;
    node->row = row;
    Node* raw = node.get();
    parent->children.push_back(std::move(node));
    if (!silent)
        endInsertRows();
    return raw;
}

void TTreeModel::removeNode(Node* node)
{
    Node* parent = node->parent;
    const int row = node->row;
    beginRemoveRows(indexOf(parent), row, row);
    parent->children.erase(parent->children.begin() + row);
    for (size_t i = size_t(row); i < parent->children.size(); ++i)
        parent->children[i]->row = int(i);
    endRemoveRows();
}

void TTreeModel::clearNodes()
{
    m_root->children.clear();
}
