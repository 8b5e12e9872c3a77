#include "TRibbon.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
struct Scheme
{
    const char* name;
    QColor background;
    QColor groups;
    QColor button;
    QColor text;
};

const Scheme kSchemes[] = {
    {"Blue", QColor(0xd5, 0xe4, 0xf5), QColor(0xe8, 0xf0, 0xfa), QColor(0xc3, 0xd7, 0xee), QColor(21, 66, 139)},
    {"Black", QColor(0x3b, 0x3e, 0x44), QColor(0x52, 0x56, 0x5d), QColor(0x66, 0x6b, 0x74), QColor(Qt::white)},
    {"Silver", QColor(0xe3, 0xe6, 0xea), QColor(0xf1, 0xf3, 0xf5), QColor(0xd2, 0xd6, 0xdc), QColor(21, 66, 139)},
};

const Scheme& schemeNamed(const QString& name)
{
    for (const Scheme& scheme : kSchemes) {
        if (name == QLatin1String(scheme.name))
            return scheme;
    }
    return kSchemes[0];
}
} // namespace

TRibbon::TRibbon(QWidget* parent)
    : QWidget(parent)
    , m_applicationButton(new QToolButton)
    , m_applicationMenu(new QMenu(this))
    , m_quickAccessLayout(new QHBoxLayout)
    , m_headerBar(new QWidget)
    , m_headerLayout(new QHBoxLayout(m_headerBar))
    , m_pages(new QStackedWidget)
{
    setObjectName(QStringLiteral("ribbon"));
    setAutoFillBackground(true);
    m_applicationButton->setObjectName(QStringLiteral("applicationButton"));
    m_applicationButton->setText(QStringLiteral("Menu"));
    m_applicationButton->setPopupMode(QToolButton::InstantPopup);
    m_applicationButton->setMenu(m_applicationMenu);
    m_applicationButton->setToolButtonStyle(Qt::ToolButtonTextOnly);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(4, 2, 4, 0);
    top->setSpacing(6);
    top->addWidget(m_applicationButton);
    m_quickAccessLayout->setSpacing(0);
    top->addLayout(m_quickAccessLayout);
    m_headerLayout->setContentsMargins(8, 0, 0, 0);
    m_headerLayout->setSpacing(2);
    m_headerLayout->addStretch();
    top->addWidget(m_headerBar, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(top);
    layout->addWidget(m_pages);
    SetColorScheme(QStringLiteral("Blue"));
}

int TRibbon::AddTab(const QString& caption)
{
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(4);
    row->addStretch();
    const int tab = m_pages->addWidget(page);

    auto* header = new QToolButton;
    header->setText(caption);
    header->setCheckable(true);
    header->setAutoRaise(true);
    header->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(header, &QToolButton::clicked, this, [this, tab] {
        SetActiveTab(tab);
        if (!m_groupsVisible)
            showGroupsPopup();
    });
    m_headerLayout->insertWidget(m_headers.size(), header);
    m_headers.append(header);
    if (tab == 0)
        SetActiveTab(0);
    return tab;
}

TRibbonGroup* TRibbon::AddGroup(int tab, const QString& caption)
{
    auto* group = new TRibbonGroup(caption);
    auto* row = static_cast<QHBoxLayout*>(m_pages->widget(tab)->layout());
    if (row->count() > 1) {
        auto* separator = new QFrame;
        separator->setFrameShape(QFrame::VLine);
        separator->setFrameShadow(QFrame::Sunken);
        row->insertWidget(row->count() - 1, separator);
    }
    row->insertWidget(row->count() - 1, group);
    return group;
}

void TRibbon::SetActiveTab(int tab)
{
    if (tab < 0 || tab >= m_pages->count())
        return;
    m_pages->setCurrentIndex(tab);
    for (int i = 0; i < int(m_headers.size()); ++i)
        m_headers[i]->setChecked(i == tab);
    Q_EMIT activeTabChanged(tab);
}

int TRibbon::ActiveTab() const
{
    return m_pages->currentIndex();
}

int TRibbon::TabCount() const
{
    return m_pages->count();
}

QString TRibbon::TabCaption(int tab) const
{
    return tab >= 0 && tab < int(m_headers.size()) ? m_headers[tab]->text() : QString();
}

void TRibbon::AddQuickAccess(QAction* action)
{
    auto* button = new QToolButton;
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_quickAccessLayout->addWidget(button);
    m_quickAccess.append(action);
}

void TRibbon::SetRecentEntries(const QList<QPair<QString, QString>>& entries)
{
    qDeleteAll(m_recent);
    m_recent.clear();
    if (entries.isEmpty())
        return;
    m_recent.append(m_applicationMenu->addSeparator());
    QAction* header = m_applicationMenu->addAction(QStringLiteral("Recent"));
    header->setEnabled(false);
    m_recent.append(header);
    for (const auto& [text, path] : entries) {
        // No accelerator characters: the entry shows the connection's name as it is.
        QAction* entry = m_applicationMenu->addAction(QString(text).replace(u'&', QStringLiteral("&&")));
        entry->setToolTip(path);
        connect(entry, &QAction::triggered, this, [this, path] { Q_EMIT recentChosen(path); });
        m_recent.append(entry);
    }
}

void TRibbon::SetTabGroupsVisible(bool visible)
{
    endGroupsPopup();
    m_groupsVisible = visible;
    m_pages->setVisible(visible);
}

bool TRibbon::TabGroupsVisible() const
{
    return m_groupsVisible;
}

bool TRibbon::GroupsPopupShowing() const
{
    return m_groupsPopup && m_groupsPopup->isVisible();
}

void TRibbon::showGroupsPopup()
{
    if (!m_groupsPopup) {
        m_groupsPopup = new QFrame(this, Qt::Popup);
        m_groupsPopup->setFrameShape(QFrame::StyledPanel);
        auto* layout = new QVBoxLayout(m_groupsPopup);
        layout->setContentsMargins(1, 1, 1, 1);
        m_groupsPopup->installEventFilter(this);
    }
    m_groupsPopup->setPalette(palette());
    m_groupsPopup->setAutoFillBackground(true);
    m_groupsPopup->layout()->addWidget(m_pages);
    m_pages->show();
    // A command chosen in the popup closes it.
    for (QToolButton* button : m_pages->findChildren<QToolButton*>())
        connect(button, &QToolButton::triggered, m_groupsPopup, &QWidget::hide, Qt::UniqueConnection);
    const QPoint below = m_headerBar->mapToGlobal(QPoint(0, m_headerBar->height()));
    m_groupsPopup->setGeometry(mapToGlobal(QPoint(0, 0)).x(), below.y(), width(), m_pages->sizeHint().height() + 2);
    m_groupsPopup->show();
}

void TRibbon::endGroupsPopup()
{
    if (!m_groupsPopup || m_pages->parentWidget() != m_groupsPopup)
        return;
    m_groupsPopup->hide();
    m_pages->hide();
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, m_pages);
}

bool TRibbon::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_groupsPopup) {
        if (event->type() == QEvent::Hide)
            QMetaObject::invokeMethod(this, &TRibbon::endGroupsPopup, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void TRibbon::SetTabHeadersVisible(bool visible)
{
    m_headerBar->setVisible(visible);
}

bool TRibbon::TabHeadersVisible() const
{
    return !m_headerBar->isHidden();
}

void TRibbon::SetColorScheme(const QString& name)
{
    const Scheme& scheme = schemeNamed(name);
    m_scheme = QLatin1String(scheme.name);
    QPalette ribbon = palette();
    ribbon.setColor(QPalette::Window, scheme.background);
    ribbon.setColor(QPalette::WindowText, scheme.text);
    ribbon.setColor(QPalette::ButtonText, scheme.text);
    ribbon.setColor(QPalette::Button, scheme.button);
    ribbon.setColor(QPalette::Text, scheme.text);
    setPalette(ribbon);
    QPalette groups = ribbon;
    groups.setColor(QPalette::Window, scheme.groups);
    m_pages->setAutoFillBackground(true);
    m_pages->setPalette(groups);
}

QColor TRibbon::SchemeBackground() const
{
    return schemeNamed(m_scheme).background;
}

QIcon TRibbon::SchemeSwatch(const QString& name)
{
    const Scheme& scheme = schemeNamed(name);
    QPixmap swatch(16, 16);
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    painter.setPen(scheme.button.darker(140));
    painter.setBrush(scheme.background);
    painter.drawRect(1, 1, 13, 13);
    painter.fillRect(3, 9, 10, 4, scheme.button);
    return QIcon(swatch);
}

TRibbonGroup::TRibbonGroup(const QString& caption, QWidget* parent)
    : QWidget(parent)
    , m_caption(caption)
    , m_buttons(new QHBoxLayout)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 0);
    layout->setSpacing(2);
    m_buttons->setSpacing(2);
    layout->addLayout(m_buttons, 1);
    auto* label = new QLabel(caption);
    label->setAlignment(Qt::AlignHCenter);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    label->setFont(small);
    layout->addWidget(label);
}

QToolButton* TRibbonGroup::AddLargeButton(QAction* action)
{
    auto* button = new QToolButton;
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    m_buttons->addWidget(button);
    m_smallColumn = nullptr;
    return button;
}

QToolButton* TRibbonGroup::AddSmallButton(QAction* action)
{
    if (!m_smallColumn || m_smallInColumn == 3) {
        m_smallColumn = new QWidget;
        auto* column = new QVBoxLayout(m_smallColumn);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        m_buttons->addWidget(m_smallColumn);
        m_smallInColumn = 0;
    }
    auto* button = new QToolButton;
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setIconSize(QSize(16, 16));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    static_cast<QVBoxLayout*>(m_smallColumn->layout())->addWidget(button);
    ++m_smallInColumn;
    return button;
}

QList<QAction*> TRibbonGroup::Actions() const
{
    QList<QAction*> actions;
    for (const QToolButton* button : findChildren<QToolButton*>())
        actions.append(button->defaultAction());
    return actions;
}
