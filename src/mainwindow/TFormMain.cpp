#include "TFormMain.h"

#include "TImageList.h"
#include "TLogView.h"
#include "TMainActions.h"
#include "TNavBar.h"
#include "TRibbon.h"
#include "TServerSearch.h"
#include "TServerTreeView.h"
#include "TTrayIcon.h"
#include "core/TAppCore.h"
#include "core/TCommandStates.h"
#include "core/TTreeMove.h"
#include "support/IPrompt.h"
#include "tools/TFormSplash.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

TFormMain::TFormMain(const TQVAppInfo& appInfo, IPrompt& prompt, QWidget* parent)
    : QMainWindow(parent)
    , m_prompt(prompt)
    , m_images(std::make_unique<TImageList>())
    , m_core(std::make_unique<TAppCore>(appInfo, prompt))
    , m_actions(new TMainActions(*m_images, this))
{
    setWindowTitle(appInfo.ProductName());
    setWindowIcon(m_images->Icon(TImageList::ServerConnected));
    resize(980, 724 + 156);
    buildRibbon();
    buildPanes();

    m_tray = new TTrayIcon(windowIcon(), this);
    m_tray->SetHint(appInfo.ProductName());
    m_tray->ShowAction()->setIcon(m_images->Icon(TImageList::WindowShow));
    connect(m_tray, &TTrayIcon::showRequested, this, [this] {
        showNormal();
        raise();
        activateWindow();
    });
    connect(m_tray, &TTrayIcon::closeRequested, this, &QWidget::close);
    connect(&m_core->Log, &TEventLog::balloonRequested, m_tray, &TTrayIcon::ShowBalloon);

    m_core->Startup([this, &appInfo] {
        m_splash = new TFormSplash(appInfo);
        m_splash->setAttribute(Qt::WA_DeleteOnClose);
        m_splash->show();
        QCoreApplication::processEvents();
    });
    m_ribbon->SetTabGroupsVisible(m_core->HadSettingsFile());
    readLayoutStore();
    m_tree->FullCollapse();
    if (m_core->Tree.rowCount() > 0)
        m_tree->setCurrentIndex(m_core->Tree.index(0, 0));
    m_tray->SetVisible(m_core->Options.MinimizeToTray);
    m_ribbon->SetActiveTab(0);
}

TFormMain::~TFormMain()
{
    delete m_splash.data();
}

void TFormMain::buildRibbon()
{
    m_ribbon = new TRibbon;
    TMainActions& a = *m_actions;
    const int start = m_ribbon->AddTab(QStringLiteral("Start"));
    const int view = m_ribbon->AddTab(QStringLiteral("View"));
    const int extras = m_ribbon->AddTab(QStringLiteral("Extras"));
    const int help = m_ribbon->AddTab(QStringLiteral("Help"));
    TRibbonGroup* server = m_ribbon->AddGroup(start, QStringLiteral("Server"));
    server->AddLargeButton(a.acServerConnect);
    server->AddLargeButton(a.acServerDisconnect);
    for (QAction* action : {a.acServerConnectNewWindow, a.acServerAdd, a.acServerEdit, a.acServerDel,
                            a.acServerDuplicate, a.acFavAdd, a.acServerRunGroup})
        server->AddSmallButton(action);
    TRibbonGroup* folder = m_ribbon->AddGroup(start, QStringLiteral("Folder"));
    folder->AddLargeButton(a.acGroupAdd);
    folder->AddSmallButton(a.acGroupRen);
    folder->AddSmallButton(a.acGroupDel);
    TRibbonGroup* colors = m_ribbon->AddGroup(view, QStringLiteral("Color"));
    for (const QString& scheme : TRibbon::ColorSchemes) {
        auto* action = new QAction(scheme, this);
        action->setObjectName(QStringLiteral("blb") + scheme);
        connect(action, &QAction::triggered, this, [this, scheme] { ApplyColorScheme(scheme); });
        colors->AddSmallButton(action);
    }
    TRibbonGroup* sizes = m_ribbon->AddGroup(view, QStringLiteral("Working size"));
    const QSize workingSizes[] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}};
    for (int i = 0; i < 4; ++i) {
        QAction* action = a.WorkingSizeCommands().at(i);
        connect(action, &QAction::triggered, this, [this, size = workingSizes[i]] { SetWorkingSize(size); });
        sizes->AddSmallButton(action);
    }
    TRibbonGroup* viewGroup = m_ribbon->AddGroup(view, QStringLiteral("View"));
    viewGroup->AddLargeButton(a.acRefresh);
    for (QAction* action : {a.acMiniView, a.acShowTabGroups, a.acConSet})
        viewGroup->AddSmallButton(action);
    TRibbonGroup* files = m_ribbon->AddGroup(extras, QStringLiteral("RDP Files"));
    files->AddLargeButton(a.acImport);
    files->AddLargeButton(a.acExport);
    TRibbonGroup* tools = m_ribbon->AddGroup(extras, QStringLiteral("Tools"));
    tools->AddLargeButton(a.acRDS);
    tools->AddLargeButton(a.acExplorer);
    m_ribbon->AddGroup(help, QStringLiteral("Help"))->AddLargeButton(a.acInfo);
    m_ribbon->AddQuickAccess(a.acServerConnect);
    m_ribbon->AddQuickAccess(a.acServerDisconnect);
    m_ribbon->AddQuickAccess(a.acMiniView);
    QMenu* menu = m_ribbon->ApplicationMenu();
    menu->addAction(a.acOptions);
    menu->addAction(a.acClose);
    menu->addSeparator();
    menu->addAction(a.acServerConnect);
    menu->addAction(a.acServerDisconnect);
    menu->addSeparator();
    menu->addAction(a.acServerAdd);
    setMenuWidget(m_ribbon);

    connect(a.acClose, &QAction::triggered, this, &QWidget::close);
    connect(a.acRefresh, &QAction::triggered, this, &TFormMain::RefreshConnections);
    connect(a.acShowTabGroups, &QAction::toggled, m_ribbon, &TRibbon::SetTabGroupsVisible);
    connect(a.acMiniView, &QAction::triggered, this, [this] {
        m_ribbon->SetTabHeadersVisible(!m_ribbon->TabHeadersVisible());
        m_ribbon->SetTabGroupsVisible(m_ribbon->TabHeadersVisible());
    });
    addAction(a.acRefresh);
}

void TFormMain::buildPanes()
{
    m_favorites = new QListWidget;
    m_history = new QListWidget;
    m_searchBox = new QLineEdit;
    m_searchBox->setObjectName(QStringLiteral("bteServer"));
    m_searchBox->setPlaceholderText(QStringLiteral("Look for"));
    m_tree = new TServerTreeView(m_core->Tree, *m_images);
    m_tree->setObjectName(QStringLiteral("TreeViewRDP"));
    m_search = new TServerSearch(*m_searchBox, *m_tree, m_core->Tree, this);
    m_tree->SetHintProvider([this](const QModelIndex& index) {
        if (!m_core->List)
            return QString();
        const TQVRDElement* e = m_core->List->FindByNumber(index.data(TTreeModel::NodeDataRole).toInt());
        return e ? e->RdpFile().FullAddress : QString();
    });
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this, &TFormMain::TreeViewRDPChange);
    connect(m_tree, &TServerTreeView::moveRequested, this, &TFormMain::TreeViewRDPDragDrop);
    connect(m_tree, &TServerTreeView::connectRequested, this, [this] {
        if (m_actions->acServerConnect->isEnabled())
            m_actions->acServerConnect->trigger();
    });
    connect(m_search, &TServerSearch::connectRequested, m_tree, &TServerTreeView::connectRequested);
    connect(m_actions->acFullExpand, &QAction::triggered, m_tree, &TServerTreeView::FullExpand);
    connect(m_actions->acFullCollapse, &QAction::triggered, m_tree, &TServerTreeView::FullCollapse);
    // The server popup menu; the tree selects the node under the cursor before it opens.
    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("pomServer"));
    TMainActions& a = *m_actions;
    const QList<QAction*> sections[] = {
        {a.acServerConnect, a.acServerConnectNewWindow, a.acServerDisconnect, a.acServerRunGroup},
        {a.acServerAdd, a.acServerEdit, a.acServerDel, a.acServerDuplicate},
        {a.acGroupAdd, a.acGroupRen, a.acGroupDel},
        {a.acFavAdd},
        {a.acAjustClientArea, a.acFullscreen, a.acExplorer},
    };
    for (const QList<QAction*>& section : sections) {
        popup->addActions(section);
        popup->addSeparator();
    }
    popup->addAction(a.acFullExpand);
    popup->addAction(a.acFullCollapse);
    connect(m_tree, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint& at) { popup->popup(m_tree->viewport()->mapToGlobal(at)); });

    auto* serverBox = new QWidget;
    auto* serverLayout = new QVBoxLayout(serverBox);
    serverLayout->setContentsMargins(0, 0, 0, 0);
    serverLayout->setSpacing(2);
    serverLayout->addWidget(m_searchBox);
    serverLayout->addWidget(m_tree);
    m_serverPane = new TNavBar(TNavBar::Style::Stacked);
    m_serverPane->AddGroup(QStringLiteral("Favorites"), m_favorites);
    m_serverPane->AddGroup(QStringLiteral("Server"), serverBox);
    m_favorites->setMaximumHeight(100);
    m_navigation = new TNavBar(TNavBar::Style::Pane);
    m_navigation->AddGroup(QStringLiteral("RDP Server"), m_serverPane);
    m_navigation->AddGroup(QStringLiteral("History"), m_history);
    m_navigation->SetGroupVisible(m_navigation->AddGroup(QStringLiteral("Tags"), new QWidget), false);

    m_pages = new QTabWidget;
    m_pages->setDocumentMode(true);
    auto* overview = new QWidget;
    overview->setObjectName(QStringLiteral("tshOverview"));
    m_pages->addTab(overview, QStringLiteral("Overview"));
    m_log = new TLogView(m_core->Log, *m_images);
    m_log->setObjectName(QStringLiteral("ListViewLog"));
    m_pages->addTab(m_log, QStringLiteral("LOG"));
    connect(m_log, &TLogView::rowSelected, this, &TFormMain::ListViewLogChange);
    connect(m_log, &TLogView::rowActivated, this, &TFormMain::ListViewLogDblClick);

    m_splitter = new QSplitter;
    m_splitter->addWidget(m_navigation);
    m_splitter->addWidget(m_pages);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({174, 806});
    setCentralWidget(m_splitter);

    m_connectTime = new QLabel;
    m_connectTime->setMinimumWidth(250);
    m_path = new QLabel;
    statusBar()->addWidget(m_connectTime);
    statusBar()->addWidget(m_path, 1);
    m_connectTime->hide();
}

TQVRDElement* TFormMain::GetSelectedElement() const
{
    if (!isVisible() || !m_core->List)
        return nullptr;
    const QModelIndex current = m_tree->currentIndex();
    if (!TServerTreeModel::IsServerNode(current))
        return nullptr;
    return m_core->List->FindByNumber(current.data(TTreeModel::NodeDataRole).toInt());
}

void TFormMain::UpdateStatus()
{
    if (!m_core->Ready() || m_core->Closing())
        return;
    const QModelIndex current = m_tree->currentIndex();
    const TQVRDElement* e = GetSelectedElement();
    TSelectionState selection;
    selection.NodeSelected = current.isValid();
    selection.HasElement = e != nullptr;
    selection.HasChildren = current.isValid() && m_core->Tree.rowCount(current) > 0;
    if (e) {
        selection.Connected = e->Connected;
        selection.Connecting = e->Connecting;
        selection.ConnectTimeText = e->ConnectTimeText;
    }
    const TCommandStates states = TCommandStates::For(selection);
    const std::pair<QAction*, bool> enabled[] = {
        {m_actions->acServerConnect, states.ServerConnect},
        {m_actions->acServerDisconnect, states.ServerDisconnect},
        {m_actions->acServerConnectNewWindow, states.ServerConnectNewWindow},
        {m_actions->acServerDel, states.ServerDel},
        {m_actions->acServerEdit, states.ServerEdit},
        {m_actions->acServerDuplicate, states.ServerDuplicate},
        {m_actions->acGroupDel, states.GroupDel},
        {m_actions->acGroupRen, states.GroupRen},
        {m_actions->acServerRunGroup, states.ServerRunGroup},
        {m_actions->acFavAdd, states.FavAdd},
        {m_actions->acFavRemove, states.FavRemove},
    };
    for (const auto& [action, on] : enabled)
        action->setEnabled(on && action->property("available").toBool());
    m_connectTime->setVisible(states.ConnectTimeVisible);
    m_connectTime->setText(states.ConnectTimeText);
    m_tray->SetHint(TCommandStates::TrayHint(m_core->AppInfo.ProductName(), m_core->List->ConnectedCount()));
    if (isVisible())
        statusBar()->setVisible(!m_core->Options.HideStatusbar);
}

void TFormMain::SetServerListCaption()
{
    if (!m_core->Ready() || !m_core->List)
        return;
    for (int i = 0; i < m_core->List->Count(); ++i) {
        const TQVRDElement* e = m_core->List->At(i);
        m_core->Tree.SetServerCaption(e->Number(),
                                      TServerTreeModel::MakeCaption(m_core->Options.ServerListCaption, *e));
    }
}

void TFormMain::RefreshConnections()
{
    m_actions->acRefresh->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int selected = m_core->Tree.AbsoluteIndex(m_tree->currentIndex());
    m_core->RefreshConnections();
    const int restored = TServerTreeModel::RestoredSelectionIndex(selected, m_core->Tree.NodeCount());
    if (restored >= 0)
        m_tree->SelectAbsolute(restored);
    if (isVisible())
        SetServerListCaption();
    QApplication::restoreOverrideCursor();
    m_actions->acRefresh->setEnabled(true);
}

void TFormMain::TreeViewRDPChange()
{
    if (!m_core->Ready() || m_core->Closing())
        return;
    const QModelIndex current = m_tree->currentIndex();
    if (!current.isValid()) {
        setWindowTitle(m_core->AppInfo.ProductName());
        return;
    }
    UpdateStatus();
    setWindowTitle(current.data().toString() + QStringLiteral(" - ") + m_core->AppInfo.ProductName());
    const TQVRDElement* e = GetSelectedElement();
    m_path->setText(e ? e->RdpFile().FileName : QString());
}

bool TFormMain::SelectServerNode(const TQVRDElement* element)
{
    if (!element)
        return false;
    const int absolute = m_core->Tree.AbsoluteIndexOfServer(element->Number());
    if (absolute < 0)
        return false;
    m_tree->SelectAbsolute(absolute);
    return true;
}

void TFormMain::TreeViewRDPDragDrop(const QModelIndex& dragged, const QModelIndex& target)
{
    const auto move = TTreeMove::Plan(m_core->Tree, *m_core->List, dragged, target, m_core->ConnectionRootFolder());
    if (!move || !m_prompt.Confirm(QStringLiteral("Confirm Move"), move->Question))
        return;
    if (TStatus moved = move->Execute(); !moved) {
        m_prompt.ShowMessage(moved.error(), IPrompt::Kind::Error);
        return;
    }
    RefreshConnections();
}

void TFormMain::SetWorkingSize(QSize size)
{
    // The page control becomes exactly the size by growing or shrinking the window by the difference.
    resize(width() + size.width() - m_pages->width(), height() + size.height() - m_pages->height());
}

void TFormMain::ApplyColorScheme(const QString& name)
{
    m_ribbon->SetColorScheme(name);
    for (TNavBar* bar : {m_navigation, m_serverPane}) {
        QPalette headers = bar->palette();
        headers.setColor(QPalette::Button, m_ribbon->palette().color(QPalette::Button));
        headers.setColor(QPalette::ButtonText, m_ribbon->palette().color(QPalette::ButtonText));
        bar->setPalette(headers);
    }
    // The strip above the tree takes the ribbon's background.
    QPalette strip = m_searchBox->parentWidget()->palette();
    strip.setColor(QPalette::Window, m_ribbon->SchemeBackground());
    m_searchBox->parentWidget()->setAutoFillBackground(true);
    m_searchBox->parentWidget()->setPalette(strip);
}

void TFormMain::ListViewLogChange(const QString& server, bool hasLevel)
{
    if (!m_core->Ready() || m_core->Closing() || !m_core->Options.AutoselectServer || !hasLevel)
        return;
    SelectServerNode(m_core->List->FindByName(server));
}

void TFormMain::ListViewLogDblClick(const QString& server)
{
    if (server.isEmpty() || !SelectServerNode(m_core->List->FindByName(server)))
        return;
    if (m_actions->acServerConnect->isEnabled())
        m_actions->acServerConnect->trigger();
}

QString TFormMain::ConnectTimePanelText() const
{
    return m_connectTime->text();
}

bool TFormMain::ConnectTimePanelVisible() const
{
    return !m_connectTime->isHidden();
}

QString TFormMain::PathPanelText() const
{
    return m_path->text();
}

void TFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    SetServerListCaption();
    UpdateStatus();
    TreeViewRDPChange();
}

void TFormMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TFormMain::FormActivate()
{
    if (m_activated)
        return;
    m_activated = true;
    m_core->Settings->LoadSettings(this);
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    if (m_shutDown) {
        event->accept();
        return;
    }
    if (!m_core->CloseQuery()) {
        event->ignore();
        return;
    }
    m_shutDown = true;
    writeLayoutStore();
    m_core->Shutdown(this);
    event->accept();
}

TMainLayout TFormMain::MainLayout() const
{
    TMainLayout layout;
    const QRect bounds = geometry();
    layout.Height = bounds.height();
    layout.Top = bounds.top();
    layout.Width = bounds.width();
    layout.Left = bounds.left();
    layout.ShowConnectionSettings = m_actions->acConSet->isChecked();
    layout.ColorSchemeName = m_ribbon->ColorScheme();
    layout.ShowTabGroups = m_ribbon->TabGroupsVisible();
    layout.ShowTabHeaders = m_ribbon->TabHeadersVisible();
    layout.FavExpanded = m_serverPane->IsExpanded(0);
    layout.FavHeight = m_favorites->maximumHeight();
    layout.ServerExpanded = m_serverPane->IsExpanded(1);
    return layout;
}

void TFormMain::ApplyMainLayout(const TMainLayout& layout)
{
    QRect bounds = geometry();
    if (layout.Left)
        bounds.moveLeft(*layout.Left);
    if (layout.Top)
        bounds.moveTop(*layout.Top);
    if (layout.Width)
        bounds.setWidth(*layout.Width);
    if (layout.Height)
        bounds.setHeight(*layout.Height);
    setGeometry(bounds);
    m_actions->acConSet->setChecked(layout.ShowConnectionSettings);
    ApplyColorScheme(layout.ColorSchemeName);
    m_ribbon->SetTabGroupsVisible(layout.ShowTabGroups);
    m_actions->acShowTabGroups->setChecked(layout.ShowTabGroups);
    m_ribbon->SetTabHeadersVisible(layout.ShowTabHeaders);
    m_serverPane->SetExpanded(0, layout.FavExpanded);
    m_favorites->setMaximumHeight(layout.FavHeight);
    m_serverPane->SetExpanded(1, layout.ServerExpanded);
}

QList<int> TFormMain::OverviewColumnWidths() const
{
    // Until the overview list exists, the stored widths are kept as they were read.
    QList<int> widths;
    for (auto it = m_overviewWidths.cbegin(); it != m_overviewWidths.cend() && it.key() == widths.size(); ++it)
        widths.append(it.value());
    return widths;
}

void TFormMain::ApplyOverviewColumnWidths(const QMap<int, int>& widths)
{
    m_overviewWidths = widths;
}

namespace {
const QString kLayoutSection = QStringLiteral("TFormMain");
}

void TFormMain::readLayoutStore()
{
    const TIniFile& store = *m_core->Layout;
    m_actions->acShowTabGroups->setChecked(
        store.ReadBool(kLayoutSection, QStringLiteral("acShowTabGroups.Checked"), m_ribbon->TabGroupsVisible()));
    const int paneWidth = store.ReadInteger(kLayoutSection, QStringLiteral("nbMain.Width"), 174);
    m_splitter->setSizes({paneWidth, std::max(1, width() - paneWidth)});
}

void TFormMain::writeLayoutStore()
{
    TIniFile& store = *m_core->Layout;
    store.BeginUpdate();
    (void)store.WriteBool(kLayoutSection, QStringLiteral("acShowTabGroups.Checked"),
                          m_actions->acShowTabGroups->isChecked());
    (void)store.WriteInteger(kLayoutSection, QStringLiteral("nbMain.Width"), m_splitter->sizes().value(0));
    (void)store.WriteInteger(kLayoutSection, QStringLiteral("TreeViewRDP.Height"), m_tree->height());
    if (TStatus written = store.EndUpdate(); !written)
        m_prompt.ShowMessage(written.error(), IPrompt::Kind::Error);
}
