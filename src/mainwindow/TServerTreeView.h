#pragma once

#include <QTreeView>

#include <functional>

class TImageList;
class TServerTreeModel;

/// The server tree: folders and servers with the shared pictures, folder pictures that follow expansion,
/// the tree's keys as requests, and drag and drop of any node onto a folder node.
class TServerTreeView : public QTreeView
{
    Q_OBJECT

public:
    TServerTreeView(TServerTreeModel& model, const TImageList& images, QWidget* parent = nullptr);

    /// The hint of a node: the server's address, empty for folders.
    void SetHintProvider(std::function<QString(const QModelIndex&)> provider) { m_hint = std::move(provider); }
    void FullExpand() { expandAll(); }
    void FullCollapse() { collapseAll(); }
    void SelectAbsolute(int absoluteIndex);

Q_SIGNALS:
    void deleteRequested();
    void insertRequested();
    void connectRequested();
    void editRequested();
    /// A node was dropped onto a folder node.
    void moveRequested(const QModelIndex& dragged, const QModelIndex& target);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    TServerTreeModel& m_model;
    std::function<QString(const QModelIndex&)> m_hint;
};
