#include "TServerSearch.h"

#include "TPaletteColor.h"
#include "TServerTreeView.h"
#include "core/TServerTreeModel.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>

TServerSearch::TServerSearch(QLineEdit& box, TServerTreeView& tree, TServerTreeModel& model, QObject* parent)
    : QObject(parent)
    , m_box(box)
    , m_tree(tree)
    , m_model(model)
    , m_findNext(box.addAction(box.style()->standardIcon(QStyle::SP_ArrowForward), QLineEdit::LeadingPosition))
    , m_clear(box.addAction(box.style()->standardIcon(QStyle::SP_LineEditClearButton), QLineEdit::TrailingPosition))
{
    m_findNext->setToolTip(QStringLiteral("Find next"));
    m_clear->setToolTip(QStringLiteral("Clear"));
    connect(&box, &QLineEdit::textChanged, this, [this] { FindServer(0); });
    connect(m_findNext, &QAction::triggered, this, &TServerSearch::FindNext);
    connect(m_clear, &QAction::triggered, this, &TServerSearch::Clear);
    box.installEventFilter(this);
}

bool TServerSearch::FindServer(int start)
{
    setMatched(false);
    const int found = m_model.FindServer(m_box.text(), start);
    if (found < 0)
        return false;
    m_tree.SelectAbsolute(found);
    setMatched(true);
    return true;
}

void TServerSearch::FindNext()
{
    const int selected = m_model.AbsoluteIndex(m_tree.currentIndex());
    if (!FindServer(selected + 1))
        FindServer(0);
}

void TServerSearch::Clear()
{
    m_box.clear();
    m_box.setFocus();
}

void TServerSearch::setMatched(bool matched)
{
    SetPaletteColor(m_box, QPalette::Text, matched ? QColor(Qt::black) : QColor(128, 128, 128));
}

bool TServerSearch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_box && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            FindNext();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Q_EMIT connectRequested();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
