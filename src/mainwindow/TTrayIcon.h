#pragma once

#include "persist/TLogFileFormat.h"

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QSystemTrayIcon;

/// The notification-area icon with its menu: "Show", "Close", a separator, then one entry per open session.
/// Where the desktop has no notification area the icon simply stays hidden; nothing else depends on it.
class TTrayIcon : public QObject
{
    Q_OBJECT

public:
    explicit TTrayIcon(const QIcon& icon, QObject* parent = nullptr);
    ~TTrayIcon() override;

    void SetHint(const QString& hint);
    QString Hint() const;
    void SetVisible(bool visible);
    bool IsAvailable() const;
    void ShowBalloon(const QString& title, const QString& text, TBalloonKind kind, int timeoutSeconds);

    /// Adds a session entry below the separator; the returned action is the element's `TrayMenuItem`.
    QAction* AddSession(const QString& caption, const QIcon& icon);
    void RemoveSession(QAction* entry);

    QMenu* Menu() const { return m_menu; }
    QAction* ShowAction() const { return m_show; }
    QAction* CloseAction() const { return m_close; }

Q_SIGNALS:
    void showRequested();
    void closeRequested();
    void sessionChosen(QAction* entry);

private:
    QMenu* m_menu;
    QAction* m_show;
    QAction* m_close;
    QSystemTrayIcon* m_icon;
};
