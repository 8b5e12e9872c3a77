#include "TFrameOverview.h"

#include "TImageList.h"
#include "TImageListDelegate.h"
#include "TOverviewModel.h"
#include "TPaletteColor.h"
#include "core/TOverviewColumns.h"
#include "persist/TIniFile.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {
using namespace TOverviewColumns;

struct ShowColumnEntry
{
    int column;
    const char* component;
    bool checked;
    int storedWidth;
    bool storeChecked;
    bool storeWidth;
};

// The "Show Columns" items in menu order, with the component names the layout store keys them by.
constexpr ShowColumnEntry kShowColumnItems[] = {
    {ConnectionTime, "mitConnectionTime", true, 120, true, false},
    {Username, "mitUsername", true, 120, true, true},
    {Domain, "mitDomain", true, 70, true, true},
    {Description, "mitDescription", true, 80, true, true},
    {Folder, "mitFolder", true, 70, true, true},
    {Filename, "mitFilename", false, 80, true, true},
    {RdpPort, "mitRDPPort", true, 50, true, true},
    {ConnectToConsole, "mitConnectToConsole", true, 50, true, false},
    {SmartSize, "mitSmartSize", true, 50, true, true},
    {CreationTime, "mitCreationTime", true, 80, true, false},
    {LastWrite, "mitLastWrite", true, 80, true, false},
    {Alias, "mitAlias", true, 50, false, false},
};

// Columns that take their item's stored width when the window starts.
constexpr int kStartWidthColumns[] = {Username, Domain,  ConnectionTime, Description,      Folder,
                                      Filename, RdpPort, SmartSize,      ConnectToConsole, Alias};

constexpr int kKeyDelayMs = 200;
} // namespace

TFrameOverview::TFrameOverview(const TImageList& images, QWidget* parent)
    : QWidget(parent)
    , m_model(new TOverviewModel(images, this))
    , m_topBar(new QWidget)
    , m_lookFor(new QLabel(QStringLiteral("&Look for:")))
    , m_filter(new QLineEdit)
    , m_list(new QTableView)
    , m_keyDelay(new QTimer(this))
    , m_showColumns(new QMenu(QStringLiteral("Show Columns"), this))
    , m_columns(Count)
{
    setObjectName(QStringLiteral("FrameOverview"));
    m_filter->setObjectName(QStringLiteral("bteFilter"));
    m_lookFor->setBuddy(m_filter);
    QAction* clear =
        m_filter->addAction(style()->standardIcon(QStyle::SP_LineEditClearButton), QLineEdit::TrailingPosition);
    clear->setToolTip(QStringLiteral("Clear"));
    connect(clear, &QAction::triggered, this, [this] {
        m_filter->clear();
        m_filter->setFocus();
    });
    connect(m_filter, &QLineEdit::textChanged, this, &TFrameOverview::StartKeyDelay);
    m_filter->installEventFilter(this);

    auto* icon = new QLabel;
    icon->setPixmap(images.Icon(TImageList::ServerIdle).pixmap(16, 16));
    auto* bar = new QHBoxLayout(m_topBar);
    bar->setContentsMargins(6, 4, 6, 4);
    bar->addWidget(icon);
    bar->addWidget(m_lookFor);
    bar->addWidget(m_filter, 1);
    m_topBar->setAutoFillBackground(true);

    m_list->setObjectName(QStringLiteral("ListViewOverviewFilter"));
    m_list->setModel(m_model);
    m_list->setItemDelegate(new TImageListDelegate(images, m_list));
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->setWordWrap(false);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    QHeaderView* header = m_list->horizontalHeader();
    header->setMinimumSectionSize(0);
    header->setHighlightSections(false);
    header->setSectionsClickable(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    for (int column = 0; column < Count; ++column)
        SetColumnWidth(column, InitialWidth(column));
    connect(header, &QHeaderView::sectionClicked, this, &TFrameOverview::ColumnClick);
    connect(header, &QWidget::customContextMenuRequested, this, [this, header](const QPoint& at) {
        ColumnRightClick(header->logicalIndexAt(at));
        Q_EMIT popupRequested(header->mapToGlobal(at));
    });
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { Q_EMIT popupRequested(m_list->viewport()->mapToGlobal(at)); });
    connect(m_list, &QAbstractItemView::doubleClicked, this, &TFrameOverview::activateSelection);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QList<TQVRDElement*> selected = SelectedElements();
        Q_EMIT rowSelected(selected.value(0));
    });

    for (const ShowColumnEntry& entry : kShowColumnItems) {
        // Plain captions without accelerators, so each item's text stays the column's caption.
        QAction* item = m_showColumns->addAction(Caption(entry.column));
        item->setObjectName(QLatin1String(entry.component));
        item->setCheckable(true);
        item->setChecked(entry.checked);
        item->setData(entry.storedWidth);
        m_columnItems.insert(entry.column, item);
        connect(item, &QAction::triggered, this, [this, item] { ShowColumnClick(item); });
    }

    m_keyDelay->setInterval(kKeyDelayMs);
    m_keyDelay->setSingleShot(true);
    connect(m_keyDelay, &QTimer::timeout, this, &TFrameOverview::FillOverview);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_topBar);
    layout->addWidget(m_list, 1);
}

void TFrameOverview::SetSource(const TQVRDElementList* list, const QString& rootFolder)
{
    m_source = list;
    m_rootFolder = rootFolder;
}

void TFrameOverview::StartKeyDelay()
{
    // A running delay is not restarted: typing refills at most every 200 ms, not only after a pause.
    if (!m_keyDelay->isActive())
        m_keyDelay->start();
}

void TFrameOverview::FillOverview()
{
    m_keyDelay->stop();
    if (!m_source)
        return;
    m_list->setUpdatesEnabled(false);
    m_model->Fill(*m_source, m_filter->text(), m_rootFolder);
    m_list->setUpdatesEnabled(true);
    Q_EMIT filled();
}

void TFrameOverview::Clear()
{
    m_model->Clear();
}

void TFrameOverview::ColumnClick(int column)
{
    if (column < 0 || column >= Count)
        return;
    ColumnState& state = m_columns[column];
    state.sort =
        state.sort == ColumnState::Sort::Descending ? ColumnState::Sort::Ascending : ColumnState::Sort::Descending;
    m_model->SortByColumn(column, state.sort == ColumnState::Sort::Descending);
}

void TFrameOverview::ColumnRightClick(int column)
{
    if (column >= 0 && column < Count)
        m_columns[column].rememberedWidth = ColumnWidth(column);
}

void TFrameOverview::ShowColumnClick(QAction* item)
{
    const int column = FromCaption(item->text());
    if (column < 0)
        return;
    const int remembered = m_columns.at(column).rememberedWidth;
    SetColumnWidth(column, !item->isChecked() ? 0 : (remembered != 0 ? remembered : 50));
    item->setData(ColumnWidth(column));
}

int TFrameOverview::ColumnWidth(int column) const
{
    const QHeaderView* header = m_list->horizontalHeader();
    return header->isSectionHidden(column) ? 0 : header->sectionSize(column);
}

void TFrameOverview::SetColumnWidth(int column, int width)
{
    QHeaderView* header = m_list->horizontalHeader();
    header->setSectionHidden(column, width <= 0);
    if (width > 0)
        header->resizeSection(column, width);
}

QList<int> TFrameOverview::ColumnWidths() const
{
    QList<int> widths;
    for (int column = 0; column < Count; ++column)
        widths.append(ColumnWidth(column));
    return widths;
}

void TFrameOverview::ShowItem(const TQVRDElement* element)
{
    const int row = m_model->RowOf(element);
    if (row >= 0)
        m_list->scrollTo(m_model->index(row, 0));
}

void TFrameOverview::UpdateItem(const TQVRDElement* element)
{
    ShowItem(element);
    m_model->UpdateElement(element);
}

QList<TQVRDElement*> TFrameOverview::SelectedElements() const
{
    QModelIndexList rows = m_list->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QList<TQVRDElement*> elements;
    for (const QModelIndex& row : rows)
        elements.append(m_model->Element(row.row()));
    return elements;
}

void TFrameOverview::ReadLayout(const TIniFile& store, const QString& section)
{
    for (const ShowColumnEntry& entry : kShowColumnItems) {
        QAction* item = m_columnItems.value(entry.column);
        const QString name = QLatin1String(entry.component);
        if (entry.storeChecked)
            item->setChecked(store.ReadBool(section, name + QStringLiteral(".Checked"), item->isChecked()));
        if (entry.storeWidth)
            item->setData(store.ReadInteger(section, name + QStringLiteral(".Tag"), item->data().toInt()));
    }
    // A column whose item is unchecked starts hidden, so the list and the menu agree.
    for (const int column : kStartWidthColumns) {
        const QAction* item = m_columnItems.value(column);
        SetColumnWidth(column, item->isChecked() ? item->data().toInt() : 0);
    }
}

void TFrameOverview::WriteLayout(TIniFile& store, const QString& section) const
{
    for (const ShowColumnEntry& entry : kShowColumnItems) {
        const QAction* item = m_columnItems.value(entry.column);
        const QString name = QLatin1String(entry.component);
        if (entry.storeChecked)
            (void)store.WriteBool(section, name + QStringLiteral(".Checked"), item->isChecked());
        if (entry.storeWidth)
            (void)store.WriteInteger(section, name + QStringLiteral(".Tag"), item->data().toInt());
    }
}

void TFrameOverview::SetAccentColors(const QColor& background, const QColor& labelText)
{
    SetPaletteColor(*m_topBar, QPalette::Window, background);
    SetPaletteColor(*m_lookFor, QPalette::WindowText, labelText);
}

void TFrameOverview::activateSelection()
{
    const QList<TQVRDElement*> selected = SelectedElements();
    if (!selected.isEmpty())
        Q_EMIT rowActivated(selected.first());
}

bool TFrameOverview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            activateSelection();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
