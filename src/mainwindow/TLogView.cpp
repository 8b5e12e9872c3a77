#include "TLogView.h"

#include "TImageListDelegate.h"
#include "persist/TEventLog.h"

#include <QHeaderView>
#include <QKeyEvent>

TLogView::TLogView(TEventLog& log, const TImageList& images, QWidget* parent)
    : QTableView(parent)
{
    setModel(&log);
    setItemDelegate(new TImageListDelegate(images, this));
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->resizeSection(TEventLog::TimestampColumn, 150);
    horizontalHeader()->resizeSection(TEventLog::ServerColumn, 100);
    horizontalHeader()->setSectionResizeMode(TEventLog::MessageColumn, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(TEventLog::DetailsColumn, QHeaderView::Stretch);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (current.isValid())
            Q_EMIT rowSelected(serverOf(current), current.siblingAtColumn(0).data(TEventLog::HasLevelRole).toBool());
    });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { Q_EMIT rowActivated(serverOf(index)); });
}

QString TLogView::serverOf(const QModelIndex& index) const
{
    return index.siblingAtColumn(TEventLog::ServerColumn).data().toString();
}

void TLogView::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        Q_EMIT rowActivated(serverOf(currentIndex()));
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}
