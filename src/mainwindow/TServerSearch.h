#pragma once

#include <QObject>

class QAction;
class QLineEdit;
class TServerTreeModel;
class TServerTreeView;

/// The search box above the server tree (`bteServer`): typing selects the first server whose caption holds
/// the text, find next wraps to the top, Enter asks to connect. The text turns grey while nothing matches.
class TServerSearch : public QObject
{
    Q_OBJECT

public:
    TServerSearch(QLineEdit& box, TServerTreeView& tree, TServerTreeModel& model, QObject* parent = nullptr);

    /// Selects the first match at or after the absolute index; true when there was one.
    bool FindServer(int start);
    /// The next match after the selection, from the top when there is none below it.
    void FindNext();
    void Clear();

    QAction* FindNextAction() const { return m_findNext; }
    QAction* ClearAction() const { return m_clear; }

Q_SIGNALS:
    void connectRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setMatched(bool matched);

    QLineEdit& m_box;
    TServerTreeView& m_tree;
    TServerTreeModel& m_model;
    QAction* m_findNext;
    QAction* m_clear;
};
