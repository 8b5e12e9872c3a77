#pragma once

#include <QTableView>

class TEventLog;
class TImageList;

/// The LOG page's list (`ListViewLog`): read-only rows with grid lines, the level's picture before the
/// timestamp, newest entry on top.
class TLogView : public QTableView
{
    Q_OBJECT

public:
    TLogView(TEventLog& log, const TImageList& images, QWidget* parent = nullptr);

Q_SIGNALS:
    /// A row was selected (`ListViewLogChange`); `hasLevel` is false for rows read with an unknown level.
    void rowSelected(const QString& server, bool hasLevel);
    /// A row was double-clicked or Enter was pressed on it (`ListViewLogDblClick`, `ListViewLogKeyDown`).
    void rowActivated(const QString& server);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString serverOf(const QModelIndex& index) const;
};
