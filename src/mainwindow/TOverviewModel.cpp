#include "TOverviewModel.h"

#include "TImageList.h"
#include "core/TOverviewColumns.h"
#include "core/TQVRDElementList.h"
#include "support/TAscii.h"
#include "support/TItemRoles.h"

#include <QColor>

#include <algorithm>
#include <numeric>

TOverviewModel::TOverviewModel(const TImageList& images, QObject* parent)
    : QAbstractTableModel(parent)
    , m_images(images)
    , m_nameCaption(TOverviewColumns::Caption(TOverviewColumns::Name))
{}

void TOverviewModel::Fill(const TQVRDElementList& list, const QString& filter, const QString& rootFolder)
{
    beginResetModel();
    m_rows.clear();
    m_rootFolder = rootFolder;
    const QString needle = TAscii::upper(filter);
    for (int i = 0; i < list.Count(); ++i) {
        TQVRDElement* element = list.At(i);
        if (element->MatchesUpperFilter(needle))
            m_rows.append(element);
    }
    reindex();
    m_nameCaption = QStringLiteral("%1 (%2)").arg(TOverviewColumns::Caption(TOverviewColumns::Name)).arg(m_rows.size());
    endResetModel();
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, 0);
    setSortIndicator(-1, -1);
}

void TOverviewModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    m_rowOf.clear();
    endResetModel();
}

TQVRDElement* TOverviewModel::Element(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row) : nullptr;
}

int TOverviewModel::RowOf(const TQVRDElement* element) const
{
    return m_rowOf.value(element, -1);
}

void TOverviewModel::UpdateElement(const TQVRDElement* element)
{
    const int row = RowOf(element);
    if (row >= 0)
        Q_EMIT dataChanged(index(row, 0), index(row, TOverviewColumns::Count - 1));
}

void TOverviewModel::SortByColumn(int column, bool descending)
{
    setSortIndicator(column, descending ? TImageList::SortDescending : TImageList::SortAscending);
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QStringList keys;
    keys.reserve(m_rows.size());
    for (int row = 0; row < m_rows.size(); ++row)
        keys.append(CellText(row, column));
    QList<int> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys, descending](int a, int b) {
        const int result = TAscii::compareIgnoringCase(keys.at(a), keys.at(b));
        return descending ? result > 0 : result < 0;
    });

    QList<TQVRDElement*> sorted;
    sorted.reserve(m_rows.size());
    QList<int> newRowOfOld(m_rows.size());
    for (int newRow = 0; newRow < order.size(); ++newRow) {
        sorted.append(m_rows.at(order.at(newRow)));
        newRowOfOld[order.at(newRow)] = newRow;
    }
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after.append(index(newRowOfOld.at(old.row()), old.column()));
    m_rows = std::move(sorted);
    reindex();
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TOverviewModel::setSortIndicator(int column, int imageIndex)
{
    const int previous = m_sortColumn;
    m_sortColumn = column;
    m_sortImage = imageIndex;
    for (const int changed : {previous, column}) {
        if (changed >= 0)
            Q_EMIT headerDataChanged(Qt::Horizontal, changed, changed);
    }
}

QString TOverviewModel::CellText(int row, int column) const
{
    const TQVRDElement* element = Element(row);
    return element ? TOverviewColumns::Text(*element, column, m_rootFolder, m_dates) : QString();
}

int TOverviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TOverviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : TOverviewColumns::Count;
}

QVariant TOverviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return CellText(index.row(), index.column());
    case TItemRoles::ImageIndex:
    case TItemRoles::SelectedImageIndex:
        if (index.column() != TOverviewColumns::Name)
            return {};
        return int(m_rows.at(index.row())->Connected ? TImageList::ServerConnected : TImageList::ServerIdle);
    case Qt::BackgroundRole:
        // Every other row is tinted, counted on the rows as shown, so sorting keeps the stripes.
        if (index.row() % 2 != 0)
            return {};
        return QVariant::fromValue(EvenRowColor());
    default:
        return {};
    }
}

QVariant TOverviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= TOverviewColumns::Count)
        return {};
    if (role == Qt::DisplayRole)
        return section == TOverviewColumns::Name ? m_nameCaption : TOverviewColumns::Caption(section);
    if (role == Qt::DecorationRole && HeaderImage(section) >= 0)
        return m_images.Icon(HeaderImage(section));
    return {};
}

void TOverviewModel::reindex()
{
    m_rowOf.clear();
    m_rowOf.reserve(m_rows.size());
    for (int row = 0; row < m_rows.size(); ++row)
        m_rowOf.insert(m_rows.at(row), row);
}
