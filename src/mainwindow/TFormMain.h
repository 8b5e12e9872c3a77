#pragma once

#include "persist/TQVSettings.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class IPrompt;
class QLabel;
class QLineEdit;
class QListWidget;
class QSplitter;
class QTabWidget;
class TAppCore;
class TConnectionSettingsPanel;
class TFormServerAdd;
class TFormSplash;
class TFrameOverview;
class TImageList;
class TLogView;
class TMainActions;
class TNavBar;
class TQVAppInfo;
class TQVRDElement;
class TRibbon;
class TServerSearch;
class TServerTreeView;
class TTrayIcon;

/// The main window. It owns the services for the whole run (through `TAppCore`) and composes the ribbon,
/// the navigation pane with the server tree, the pages ("Overview", "LOG", then the sessions), the status
/// bar and the tray icon. Handlers stay short: they read the selection and call the collaborators.
class TFormMain : public QMainWindow, public IWindowSettings
{
    Q_OBJECT

public:
    TFormMain(const TQVAppInfo& appInfo, IPrompt& prompt, QWidget* parent = nullptr);
    ~TFormMain() override;

    TAppCore& Core() { return *m_core; }
    TMainActions& Actions() { return *m_actions; }
    TServerTreeView& ServerTree() { return *m_tree; }
    TRibbon& Ribbon() { return *m_ribbon; }
    QTabWidget& Pages() { return *m_pages; }
    TFrameOverview& Overview() { return *m_overview; }
    TConnectionSettingsPanel& SettingsPanel() { return *m_settingsPanel; }
    TFormServerAdd& ServerDialog() { return *m_serverDialog; }

    /// The connection of the selected server node; none for a folder, no selection or a hidden window.
    TQVRDElement* GetSelectedElement() const;
    void UpdateStatus();
    /// Finds the server node of the element and optionally selects it (making it visible), replaces its
    /// pictures (indexes of 0 or more) and its text (when not empty); false when the tree has no such node.
    bool SelectServerNode(const TQVRDElement* element, bool select = true, int selectedImage = -1, int image = -1,
                          const QString& text = {});
    /// Moves a node onto a folder node on disk after asking, then refreshes the tree.
    void TreeViewRDPDragDrop(const QModelIndex& dragged, const QModelIndex& target);
    void ApplyColorScheme(const QString& name);
    void SetWorkingSize(QSize size);
    void SetServerListCaption();
    void ShowOverviewItem();
    void acConSetExecute();
    void acServerEditExecute();
    void BitBtnSaveConnSettingsClick();
    void mitOverviewEditServerClick();
    /// Puts the connection at the top of the application menu's recent pane.
    void PutRecentEdit(const TQVRDElement& element);
    /// Rebuilds the tree from the disk at once (after commands that changed files).
    void RefreshConnections();
    /// The Refresh command: reads the disk in the background, then rebuilds; `refreshed` follows.
    void acRefreshExecute();
    QString ConnectTimePanelText() const;
    bool ConnectTimePanelVisible() const;
    QString PathPanelText() const;

    // IWindowSettings
    TMainLayout MainLayout() const override;
    void ApplyMainLayout(const TMainLayout& layout) override;
    QList<int> OverviewColumnWidths() const override;
    void ApplyOverviewColumnWidths(const QMap<int, int>& widths) override;

Q_SIGNALS:
    void refreshed();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildRibbon();
    void buildPanes();
    void TreeViewRDPChange();
    void loadSettingsPanel(const TQVRDElement& element);
    void rebuildTree(const std::function<void()>& scan);
    void showRecentPane();
    void bamMainExtraPaneItemClick(const QString& path);
    void buildOverviewPopup();
    void FrameOverviewListViewOverviewFilterChange(TQVRDElement* element);
    /// Double click or Enter on an overview row, a recent entry: select the server, focus the tree, connect
    /// or show its session.
    void selectAndConnectOrShow(const TQVRDElement* element);
    void ListViewLogChange(const QString& server, bool hasLevel);
    void ListViewLogDblClick(const QString& server);
    void FormActivate();
    void readLayoutStore();
    void writeLayoutStore();

    IPrompt& m_prompt;
    std::unique_ptr<TImageList> m_images;
    std::unique_ptr<TAppCore> m_core;
    TMainActions* m_actions;
    TRibbon* m_ribbon;
    TNavBar* m_navigation;
    TNavBar* m_serverPane;
    QListWidget* m_favorites;
    QListWidget* m_history;
    QLineEdit* m_searchBox;
    TServerTreeView* m_tree;
    TServerSearch* m_search;
    QTabWidget* m_pages;
    TFrameOverview* m_overview;
    TConnectionSettingsPanel* m_settingsPanel;
    TFormServerAdd* m_serverDialog;
    TLogView* m_log;
    QLabel* m_connectTime;
    QLabel* m_path;
    TTrayIcon* m_tray;
    QPointer<TFormSplash> m_splash;
    QSplitter* m_splitter = nullptr;
    bool m_shown = false;
    bool m_activated = false;
    bool m_shutDown = false;
};
