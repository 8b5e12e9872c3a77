#include "TServerTreeView.h"

#include "TImageListDelegate.h"
#include "core/TServerTreeModel.h"
#include "core/TTreeMove.h"

#include <QDropEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>

TServerTreeView::TServerTreeView(TServerTreeModel& model, const TImageList& images, QWidget* parent)
    : QTreeView(parent)
    , m_model(model)
{
    setModel(&model);
    setItemDelegate(new TImageListDelegate(images, this));
    setHeaderHidden(true);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) { m_model.SetExpanded(index, true); });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) { m_model.SetExpanded(index, false); });
}

void TServerTreeView::SelectAbsolute(int absoluteIndex)
{
    const QModelIndex index = m_model.NodeAtAbsoluteIndex(absoluteIndex);
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    scrollTo(index);
}

void TServerTreeView::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (event->key() == Qt::Key_Delete) {
        Q_EMIT deleteRequested();
    } else if (event->key() == Qt::Key_Insert) {
        Q_EMIT insertRequested();
    } else if (enter && event->modifiers() == Qt::AltModifier) {
        Q_EMIT editRequested();
    } else if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Q_EMIT connectRequested();
    } else {
        QTreeView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TServerTreeView::mousePressEvent(QMouseEvent* event)
{
    // A press on empty space clears the selection; a right press selects before the menu opens.
    const QModelIndex under = indexAt(event->position().toPoint());
    if (!under.isValid()) {
        clearSelection();
        setCurrentIndex(QModelIndex());
    } else if (event->button() == Qt::RightButton) {
        setCurrentIndex(under);
    }
    QTreeView::mousePressEvent(event);
}

void TServerTreeView::dragMoveEvent(QDragMoveEvent* event)
{
    const bool fromHere = event->source() == this;
    if (fromHere && TTreeMove::AcceptsDrop(indexAt(event->position().toPoint())))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TServerTreeView::dropEvent(QDropEvent* event)
{
    const QModelIndex target = indexAt(event->position().toPoint());
    // The model is rebuilt from disk after a move; it takes no rows from the view.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (event->source() == this && TTreeMove::AcceptsDrop(target))
        Q_EMIT moveRequested(currentIndex(), target);
}

bool TServerTreeView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && m_hint) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString hint = m_hint(indexAt(help->pos()));
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, viewport());
        return true;
    }
    return QTreeView::viewportEvent(event);
}
