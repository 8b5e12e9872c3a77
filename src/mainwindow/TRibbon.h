#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QAction;
class QHBoxLayout;
class QFrame;
class QMenu;
class QStackedWidget;
class QToolButton;
class TRibbonGroup;

/// A command ribbon: an application button, a quick access bar and tab headers on one line, the command
/// groups of the active tab below. Buttons are views of actions: captions, pictures, shortcuts, enabled
/// and checked states all follow the actions.
class TRibbon : public QWidget
{
    Q_OBJECT

public:
    static inline const QStringList ColorSchemes{QStringLiteral("Blue"), QStringLiteral("Black"),
                                                 QStringLiteral("Silver")};

    explicit TRibbon(QWidget* parent = nullptr);

    /// Adds a tab; its groups are made with `AddGroup`.
    int AddTab(const QString& caption);
    TRibbonGroup* AddGroup(int tab, const QString& caption);
    void SetActiveTab(int tab);
    int ActiveTab() const;
    int TabCount() const;
    QString TabCaption(int tab) const;

    QMenu* ApplicationMenu() const { return m_applicationMenu; }
    /// The recent pane at the end of the application menu: one entry per (display text, path).
    void SetRecentEntries(const QList<QPair<QString, QString>>& entries);
    QList<QAction*> RecentActions() const { return m_recent; }
    void AddQuickAccess(QAction* action);
    QList<QAction*> QuickAccessActions() const { return m_quickAccess; }

    /// The command groups below the headers (hidden in the "mini view"). While they are hidden, a click on a
    /// tab header shows that tab's groups in a popup over the window until a command runs or the user clicks
    /// elsewhere.
    void SetTabGroupsVisible(bool visible);
    bool TabGroupsVisible() const;
    void SetTabHeadersVisible(bool visible);
    bool TabHeadersVisible() const;

    /// "Blue", "Black" or "Silver"; any other name is taken as "Blue".
    void SetColorScheme(const QString& name);
    QString ColorScheme() const { return m_scheme; }
    /// The scheme's background, for the bars beside the ribbon that take its colour.
    QColor SchemeBackground() const;
    /// A small picture of a scheme's colours for the buttons that choose it.
    static QIcon SchemeSwatch(const QString& name);

    bool GroupsPopupShowing() const;

Q_SIGNALS:
    void activeTabChanged(int tab);
    void recentChosen(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showGroupsPopup();
    void endGroupsPopup();

    QToolButton* m_applicationButton;
    QMenu* m_applicationMenu;
    QHBoxLayout* m_quickAccessLayout;
    QList<QAction*> m_quickAccess;
    QList<QAction*> m_recent;
    QWidget* m_headerBar;
    QHBoxLayout* m_headerLayout;
    QList<QToolButton*> m_headers;
    QStackedWidget* m_pages;
    QFrame* m_groupsPopup = nullptr;
    QString m_scheme;
    bool m_groupsVisible = true;
};

/// One command group of a ribbon tab: large buttons (picture above caption) and columns of small ones,
/// with the group's caption underneath.
class TRibbonGroup : public QWidget
{
    Q_OBJECT

public:
    TRibbonGroup(const QString& caption, QWidget* parent = nullptr);

    QToolButton* AddLargeButton(QAction* action);
    /// Small buttons stack three to a column.
    QToolButton* AddSmallButton(QAction* action);
    QString Caption() const { return m_caption; }
    QList<QAction*> Actions() const;

private:
    QString m_caption;
    QHBoxLayout* m_buttons;
    QWidget* m_smallColumn = nullptr;
    int m_smallInColumn = 0;
};
