#pragma once

#include "support/TDateFormat.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QList>

class TImageList;
class TQVRDElement;
class TQVRDElementList;

/// The rows of the overview list: the connections that matched the filter at the last fill, one row each.
/// Cells are read from the element when drawn, so a session's state or an edit shows without a refill.
class TOverviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TOverviewModel(const TImageList& images, QObject* parent = nullptr);

    /// Rebuilds the rows from the list in list order, and captions the first column "Name (n)".
    void Fill(const TQVRDElementList& list, const QString& filter, const QString& rootFolder);
    void Clear();

    TQVRDElement* Element(int row) const;
    /// The element's row; -1 when it has none.
    int RowOf(const TQVRDElement* element) const;
    /// Redraws the element's row after its record or state changed.
    void UpdateElement(const TQVRDElement* element);

    /// Orders the rows by the column's text, ASCII letters folded, and shows the direction's picture in that
    /// column's header only; selections follow their rows. The next fill shows list order and no picture.
    void SortByColumn(int column, bool descending);
    /// The picture shown in a column header (-1 for none).
    int HeaderImage(int column) const { return column == m_sortColumn ? m_sortImage : -1; }

    QString CellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static QColor EvenRowColor() { return {237, 242, 252}; }

private:
    void reindex();
    void setSortIndicator(int column, int imageIndex);

    const TImageList& m_images;
    const TDateFormat m_dates;
    QList<TQVRDElement*> m_rows;
    QHash<const TQVRDElement*, int> m_rowOf;
    QString m_rootFolder;
    QString m_nameCaption;
    int m_sortColumn = -1;
    int m_sortImage = -1;
};
