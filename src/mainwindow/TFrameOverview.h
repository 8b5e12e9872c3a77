#pragma once

#include <QList>
#include <QMap>
#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QTableView;
class QTimer;
class TIniFile;
class TImageList;
class TOverviewModel;
class TQVRDElement;
class TQVRDElementList;

/// The "Overview" page: a filter box above a list of every matching connection. It refills 200 ms after
/// the first change of a burst of typing, sorts by a header click, hides and shows columns, and tells the
/// window which connection the user picked.
class TFrameOverview : public QWidget
{
    Q_OBJECT

public:
    explicit TFrameOverview(const TImageList& images, QWidget* parent = nullptr);

    /// The connections to list and the root folder the "Folder" column is relative to.
    void SetSource(const TQVRDElementList* list, const QString& rootFolder);

    /// Starts the key delay unless it is already running; the list refills when it ends.
    void StartKeyDelay();
    void FillOverview();
    /// Removes every row at once (a refresh replaces the tree).
    void Clear();

    void ColumnClick(int column);
    void ColumnRightClick(int column);
    void ShowColumnClick(QAction* item);

    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);
    QList<int> ColumnWidths() const;

    /// Scrolls the element's row into view.
    void ShowItem(const TQVRDElement* element);
    /// Redraws the element's row after it was saved.
    void UpdateItem(const TQVRDElement* element);
    /// The selected connections in list order.
    QList<TQVRDElement*> SelectedElements() const;

    void ReadLayout(const TIniFile& store, const QString& section);
    void WriteLayout(TIniFile& store, const QString& section) const;
    void SetAccentColors(const QColor& background, const QColor& labelText);

    QLineEdit& FilterBox() const { return *m_filter; }
    QLabel& LookForLabel() const { return *m_lookFor; }
    QTableView& List() const { return *m_list; }
    TOverviewModel& Model() const { return *m_model; }
    QTimer& KeyDelay() const { return *m_keyDelay; }
    QMenu* ShowColumnsMenu() const { return m_showColumns; }
    /// The "Show Columns" item of a column; none for "Name".
    QAction* ShowColumnItem(int column) const { return m_columnItems.value(column); }

Q_SIGNALS:
    /// The selection changed; the first selected connection in list order, or none.
    void rowSelected(TQVRDElement* element);
    /// Double click on a row, or Enter in the filter box, with a row selected.
    void rowActivated(TQVRDElement* element);
    void popupRequested(const QPoint& globalPos);
    void filled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ColumnState
    {
        enum class Sort { None, Ascending, Descending } sort = Sort::None;
        int rememberedWidth = 0;
    };

    void activateSelection();

    TOverviewModel* m_model;
    QWidget* m_topBar;
    QLabel* m_lookFor;
    QLineEdit* m_filter;
    QTableView* m_list;
    QTimer* m_keyDelay;
    QMenu* m_showColumns;
    QMap<int, QAction*> m_columnItems;
    QList<ColumnState> m_columns;
    const TQVRDElementList* m_source = nullptr;
    QString m_rootFolder;
};
