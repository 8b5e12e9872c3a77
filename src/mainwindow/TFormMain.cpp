#include "TFormMain.h"

#include "TConnectionSettingsPanel.h"
#include "TFormServerAdd.h"
#include "TFrameOverview.h"
#include "TFrameServer.h"
#include "TImageList.h"
#include "TImageListDelegate.h"
#include "TLogView.h"
#include "TMainActions.h"
#include "TNavBar.h"
#include "TOverviewModel.h"
#include "TPaletteColor.h"
#include "TRibbon.h"
#include "TServerSearch.h"
#include "TServerTreeView.h"
#include "TTrayIcon.h"
#include "core/TAppCore.h"
#include "core/TCommandStates.h"
#include "core/TOverviewColumns.h"
#include "core/TTreeMove.h"
#include "support/IPrompt.h"
#include "tools/TFormSplash.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeView>
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
    connect(m_ribbon, &TRibbon::recentChosen, this, &TFormMain::bamMainExtraPaneItemClick);
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
    m_overview->SetSource(m_core->List.get(), m_core->ConnectionRootFolder());
    m_overview->StartKeyDelay();
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
        auto* action = new QAction(TRibbon::SchemeSwatch(scheme), scheme, this);
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
    connect(a.acRefresh, &QAction::triggered, this, &TFormMain::acRefreshExecute);
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
    // A disabled command ignores trigger(): the key and mouse requests below need no test of their own.
    connect(m_tree, &TServerTreeView::connectRequested, m_actions->acServerConnect, &QAction::trigger);
    connect(m_search, &TServerSearch::connectRequested, m_tree, &TServerTreeView::connectRequested);
    // Alt+Enter edits whatever is selected; the command checks for itself what it can do.
    connect(m_tree, &TServerTreeView::editRequested, this, &TFormMain::acServerEditExecute);
    connect(m_tree, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (TServerTreeModel::IsServerNode(index))
            m_actions->acServerConnectToggle->trigger();
    });
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
    auto* tags = new QTreeView;
    tags->setModel(&m_core->Tags);
    tags->setHeaderHidden(true);
    tags->setItemDelegate(new TImageListDelegate(*m_images, tags));
    tags->setObjectName(QStringLiteral("TreeViewTags"));
    m_navigation->SetGroupVisible(m_navigation->AddGroup(QStringLiteral("Tags"), tags), false);

    m_pages = new QTabWidget;
    m_pages->setDocumentMode(true);
    m_overview = new TFrameOverview(*m_images);
    m_pages->addTab(m_overview, QStringLiteral("Overview"));
    buildOverviewPopup();
    connect(m_overview, &TFrameOverview::rowSelected, this, &TFormMain::FrameOverviewListViewOverviewFilterChange);
    connect(m_overview, &TFrameOverview::rowActivated, this, &TFormMain::selectAndConnectOrShow);
    m_log = new TLogView(m_core->Log, *m_images);
    m_log->setObjectName(QStringLiteral("ListViewLog"));
    m_pages->addTab(m_log, QStringLiteral("LOG"));
    connect(m_log, &TLogView::rowSelected, this, &TFormMain::ListViewLogChange);
    connect(m_log, &TLogView::rowActivated, this, &TFormMain::ListViewLogDblClick);

    m_splitter = new QSplitter;
    m_splitter->addWidget(m_navigation);
    m_splitter->addWidget(m_pages);
    m_settingsPanel = new TConnectionSettingsPanel(*m_images, m_prompt);
    m_splitter->addWidget(m_settingsPanel);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setCollapsible(2, false);
    m_splitter->setSizes({174, 576, 230});
    m_settingsPanel->setVisible(m_actions->acConSet->isChecked());
    connect(m_actions->acConSet, &QAction::toggled, this, &TFormMain::acConSetExecute);
    connect(m_actions->acServerEdit, &QAction::triggered, this, &TFormMain::acServerEditExecute);
    connect(m_settingsPanel, &TConnectionSettingsPanel::closeRequested, m_actions->acConSet,
            [this] { m_actions->acConSet->setChecked(false); });
    connect(m_settingsPanel, &TConnectionSettingsPanel::saveRequested, this, &TFormMain::BitBtnSaveConnSettingsClick);
    m_serverDialog = new TFormServerAdd(*m_images, m_prompt, this);
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
    m_settingsPanel->SaveButton().setEnabled(e && QFileInfo::exists(e->RdpFile().FileName));
    if (e)
        m_overview->Model().UpdateElement(e);
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
        SelectServerNode(e, false, -1, -1, TServerTreeModel::MakeCaption(m_core->Options.ServerListCaption, *e));
    }
}

void TFormMain::RefreshConnections()
{
    m_actions->acRefresh->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    rebuildTree([this] { m_core->RefreshConnections(); });
    QApplication::restoreOverrideCursor();
    m_actions->acRefresh->setEnabled(true);
}

void TFormMain::acRefreshExecute()
{
    // The disk is read on a worker thread; the window stays usable and only the rebuild runs here.
    m_actions->acRefresh->setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_core->TakeListingInBackground([this](TFolderListing* listing) {
        QApplication::restoreOverrideCursor();
        if (listing)
            rebuildTree([this, listing] { m_core->ApplyListing(*listing); });
        m_actions->acRefresh->setEnabled(true);
        Q_EMIT refreshed();
    });
}

void TFormMain::rebuildTree(const std::function<void()>& scan)
{
    const int selected = m_core->Tree.AbsoluteIndex(m_tree->currentIndex());
    m_overview->Clear();
    scan();
    m_overview->SetSource(m_core->List.get(), m_core->ConnectionRootFolder());
    m_overview->StartKeyDelay();
    const int restored = TServerTreeModel::RestoredSelectionIndex(selected, m_core->Tree.NodeCount());
    if (restored >= 0)
        m_tree->SelectAbsolute(restored);
    if (isVisible())
        SetServerListCaption();
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
    if (m_core->Options.AutoFilter) {
        m_overview->FilterBox().setText(e && !m_core->Options.AutoFilterFolder
                                            ? e->RdpFile().FileName
                                            : m_core->Tree.GetNodeFolder(current, m_core->ConnectionRootFolder()));
    }
    if (e)
        loadSettingsPanel(*e);
    ShowOverviewItem();
}

void TFormMain::loadSettingsPanel(const TQVRDElement& element)
{
    m_settingsPanel->Editor().LoadRecord(element.Name(), element.RdpFile());
    m_settingsPanel->LabelName().setText(element.Name());
}

void TFormMain::acConSetExecute()
{
    const bool visible = m_actions->acConSet->isChecked();
    m_settingsPanel->setVisible(visible);
    // A panel hidden while the splitter was laid out comes back with no width; give it its own.
    QList<int> sizes = m_splitter->sizes();
    if (visible && sizes.value(2) == 0) {
        const int panel = 230;
        sizes[1] = std::max(0, sizes[1] - panel);
        sizes[2] = panel;
        m_splitter->setSizes(sizes);
    }
}

void TFormMain::acServerEditExecute()
{
    m_actions->acConSet->setChecked(true);
    m_settingsPanel->Editor().ShowFirstPage();
    m_settingsPanel->Editor().EditName->setFocus();
}

void TFormMain::BitBtnSaveConnSettingsClick()
{
    TQVRDElement* e = GetSelectedElement();
    if (!e)
        return;
    TFrameServer& editor = m_settingsPanel->Editor();
    const QString name = editor.EditName->text();
    const bool rename = name != editor.LoadedName();
    const QString target = e->RdpFile().GetFolder() + name + QStringLiteral(".rdp");
    if (rename) {
        // The name becomes a file name in the connection's folder: it must stay one plain name there,
        // and an existing connection file is never replaced.
        if (name.isEmpty() || name.contains(u'/') || name == QStringLiteral(".") || name == QStringLiteral("..")) {
            m_prompt.ShowMessage(QStringLiteral("\"%1\" cannot be used as a connection name.").arg(name),
                                 IPrompt::Kind::Error);
            return;
        }
        if (QFileInfo::exists(target)) {
            m_prompt.ShowMessage(
                QStringLiteral("The connection file \"%1\" already exists. Choose another name; nothing was changed.")
                    .arg(target),
                IPrompt::Kind::Error);
            return;
        }
    }
    e->SetName(name);
    editor.WriteEditorToElement(e->RdpFile(), false);
    m_overview->UpdateItem(e);
    SelectServerNode(e, true, -1, -1, TServerTreeModel::MakeCaption(m_core->Options.ServerListCaption, *e));
    const QString oldFile = e->RdpFile().FileName;
    if (rename) {
        if (TStatus saved = e->RdpFile().SaveAs(target); !saved) {
            m_prompt.ShowMessage(saved.error(), IPrompt::Kind::Error);
            return;
        }
        QFile::remove(oldFile);
        editor.SetLoadedName(name);
    } else if (TStatus saved = e->RdpFile().Save(); !saved) {
        m_prompt.ShowMessage(saved.error(), IPrompt::Kind::Error);
        return;
    }
    m_settingsPanel->LabelName().setText(name);
    // After the file step, so that the entry carries the path the connection has now.
    PutRecentEdit(*e);
    m_core->Log.AddLog(name, QStringLiteral("Connection Settings changed"), e->RdpFile().FileName, TLogLevel::Info);
    m_core->Tags.BuildTagsTree(*m_core->List);
    if (m_core->Options.CloseServerEditAfterSave)
        m_actions->acConSet->setChecked(false);
}

void TFormMain::PutRecentEdit(const TQVRDElement& element)
{
    m_core->Settings->PutRecentEdit({element.Name(), element.RdpFile().FileName});
    showRecentPane();
}

void TFormMain::showRecentPane()
{
    QList<QPair<QString, QString>> entries;
    for (const TNamedPath& entry : m_core->Settings->LastEditFiles)
        entries.append({entry.Name, entry.Path});
    m_ribbon->SetRecentEntries(entries);
}

void TFormMain::bamMainExtraPaneItemClick(const QString& path)
{
    if (m_core->List)
        selectAndConnectOrShow(m_core->List->FindByFileName(path));
}

void TFormMain::mitOverviewEditServerClick()
{
    const QList<TQVRDElement*> selected = m_overview->SelectedElements();
    if (selected.isEmpty())
        return;
    if (selected.size() == 1) {
        acServerEditExecute();
        return;
    }
    m_serverDialog->Prepare(true);
    if (m_serverDialog->exec() != QDialog::Accepted)
        return;
    for (TQVRDElement* e : selected) {
        m_serverDialog->Editor().WriteEditorToElement(e->RdpFile(), true);
        m_overview->UpdateItem(e);
        PutRecentEdit(*e);
        if (TStatus saved = e->RdpFile().Save(); !saved) {
            m_prompt.ShowMessage(saved.error(), IPrompt::Kind::Error);
            return;
        }
    }
    // The panel must not keep values the edit just replaced: a later Save would write them back.
    if (const TQVRDElement* e = GetSelectedElement())
        loadSettingsPanel(*e);
    m_prompt.ShowMessage(QStringLiteral("Multiple Servers changed!"), IPrompt::Kind::Information);
    m_core->Tags.BuildTagsTree(*m_core->List);
}

void TFormMain::ShowOverviewItem()
{
    if (const TQVRDElement* e = GetSelectedElement())
        m_overview->ShowItem(e);
}

void TFormMain::buildOverviewPopup()
{
    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("pomOverview"));
    TMainActions& a = *m_actions;
    popup->addActions({a.acServerConnect, a.acServerConnectNewWindow, a.acServerDisconnect});
    popup->addSeparator();
    QAction* edit = popup->addAction(a.acServerEdit->icon(), QStringLiteral("Edit Server"));
    edit->setObjectName(QStringLiteral("mitOverviewEditServer"));
    connect(edit, &QAction::triggered, this, &TFormMain::mitOverviewEditServerClick);
    popup->addSeparator();
    popup->addMenu(m_overview->ShowColumnsMenu());
    popup->addSeparator();
    popup->addAction(a.acExport);
    connect(popup, &QMenu::aboutToShow, this, [this, edit] {
        edit->setText(m_overview->SelectedElements().size() > 1 ? QStringLiteral("Edit Servers")
                                                                : QStringLiteral("Edit Server"));
    });
    connect(m_overview, &TFrameOverview::popupRequested, popup, [popup](const QPoint& at) { popup->popup(at); });
}

void TFormMain::FrameOverviewListViewOverviewFilterChange(TQVRDElement* element)
{
    if (!m_core->Ready() || m_core->Closing() || (m_splash && m_splash->isVisible()) ||
        m_pages->currentWidget() != m_overview || !element || !m_core->Options.AutoselectServer)
        return;
    SelectServerNode(element);
}

void TFormMain::selectAndConnectOrShow(const TQVRDElement* element)
{
    if (!SelectServerNode(element))
        return;
    m_tree->setFocus();
    m_actions->acServerConnectToggle->trigger();
}

bool TFormMain::SelectServerNode(const TQVRDElement* element, bool select, int selectedImage, int image,
                                 const QString& text)
{
    if (!element || !m_core->Tree.HasServer(element->Number()))
        return false;
    if (image >= 0 || selectedImage >= 0)
        m_core->Tree.SetServerImages(element->Number(), image, selectedImage);
    if (!text.isEmpty())
        m_core->Tree.SetServerCaption(element->Number(), text);
    // Finding the node's place walks the tree: only a selection needs it.
    if (select)
        m_tree->SelectAbsolute(m_core->Tree.AbsoluteIndexOfServer(element->Number()));
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
        for (const QPalette::ColorRole role : {QPalette::Button, QPalette::ButtonText})
            SetPaletteColor(*bar, role, m_ribbon->palette().color(role));
    }
    const QColor accent = name == QStringLiteral("Black") ? QColor(Qt::white) : QColor(21, 66, 139);
    m_overview->SetAccentColors(m_ribbon->SchemeBackground(), accent);
    m_settingsPanel->SetColors(m_ribbon->SchemeBackground(), accent);
    // The strip above the tree takes the ribbon's background.
    m_searchBox->parentWidget()->setAutoFillBackground(true);
    SetPaletteColor(*m_searchBox->parentWidget(), QPalette::Window, m_ribbon->SchemeBackground());
}

void TFormMain::ListViewLogChange(const QString& server, bool hasLevel)
{
    if (!m_core->Ready() || m_core->Closing() || !m_core->Options.AutoselectServer || !hasLevel)
        return;
    SelectServerNode(m_core->List->FindByName(server));
}

void TFormMain::ListViewLogDblClick(const QString& server)
{
    if (!server.isEmpty() && SelectServerNode(m_core->List->FindByName(server)))
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
    // An activation that arrives after shutdown (closed before it was ever active) finds no settings.
    if (m_activated || m_shutDown)
        return;
    m_activated = true;
    m_core->Settings->LoadSettings(this);
    showRecentPane();
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
    // The connections are gone now: the list must neither show nor refill them (a key delay may be running).
    m_overview->SetSource(nullptr, {});
    m_overview->Clear();
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
    return m_overview->ColumnWidths();
}

void TFormMain::ApplyOverviewColumnWidths(const QMap<int, int>& widths)
{
    for (auto it = widths.cbegin(); it != widths.cend(); ++it) {
        if (it.key() >= 0 && it.key() < TOverviewColumns::Count)
            m_overview->SetColumnWidth(it.key(), it.value());
    }
}

namespace {
const QString kLayoutSection = QStringLiteral("TFormMain");
}

void TFormMain::readLayoutStore()
{
    const TIniFile& store = *m_core->Layout;
    m_actions->acShowTabGroups->setChecked(
        store.ReadBool(kLayoutSection, QStringLiteral("acShowTabGroups.Checked"), m_ribbon->TabGroupsVisible()));
    m_overview->ReadLayout(store, kLayoutSection);
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
    m_overview->WriteLayout(store, kLayoutSection);
    if (TStatus written = store.EndUpdate(); !written)
        m_prompt.ShowMessage(written.error(), IPrompt::Kind::Error);
}
