#pragma once

#include "support/TItemRoles.h"

#include <QAbstractItemModel>

#include <memory>
#include <vector>

/// A tree of captioned nodes with image indexes and an integer of data, shown by the window's tree views.
/// Subclasses decide how the tree is built; this class keeps the nodes and answers the model questions.
class TTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Role {
        ImageIndexRole = TItemRoles::ImageIndex,
        SelectedImageIndexRole = TItemRoles::SelectedImageIndex,
        NodeDataRole = TItemRoles::NodeData,
    };

    struct Node
    {
        QString text;
        /// The folder's or connection's own name; `text` may be a caption made from it.
        QString name;
        int imageIndex = 0;
        int selectedImageIndex = 0;
        int data = 0;
        Node* parent = nullptr;
        int row = 0;
        std::vector<std::unique_ptr<Node>> children;
    };

    explicit TTreeModel(QObject* parent = nullptr);
    ~TTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    Node* nodeOf(const QModelIndex& index) const;
    QModelIndex indexOf(const Node* node) const;
    Node* root() const { return m_root.get(); }

    /// Every node, parents before their children, top to bottom.
    std::vector<Node*> preorder() const;
    /// True when `a` comes before `b` in top-to-bottom order.
    static bool precedes(const Node* a, const Node* b);

protected:
    /// Appends a node, announcing it to views unless `silent` (inside a model reset).
    Node* appendNode(Node* parent, const QString& text, int imageIndex, int selectedImageIndex, int data,
                     bool silent = false);
    void removeNode(Node* node);
    /// Drops every node; call between beginResetModel and endResetModel.
    void clearNodes();

private:
    std::unique_ptr<Node> m_root;
};
