#include "TTrayIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>

TTrayIcon::TTrayIcon(const QIcon& icon, QObject* parent)
    : QObject(parent)
    , m_menu(new QMenu)
    , m_show(m_menu->addAction(QStringLiteral("Show")))
    , m_close(m_menu->addAction(QStringLiteral("Close")))
    , m_icon(new QSystemTrayIcon(icon, this))
{
    m_menu->addSeparator();
    m_icon->setContextMenu(m_menu);
    connect(m_show, &QAction::triggered, this, &TTrayIcon::showRequested);
    connect(m_close, &QAction::triggered, this, &TTrayIcon::closeRequested);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
            Q_EMIT showRequested();
    });
}

TTrayIcon::~TTrayIcon()
{
    delete m_menu;
}

void TTrayIcon::SetHint(const QString& hint)
{
    m_icon->setToolTip(hint);
}

QString TTrayIcon::Hint() const
{
    return m_icon->toolTip();
}

void TTrayIcon::SetVisible(bool visible)
{
    m_icon->setVisible(visible && IsAvailable());
}

bool TTrayIcon::IsAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TTrayIcon::ShowBalloon(const QString& title, const QString& text, TBalloonKind kind, int timeoutSeconds)
{
    if (!m_icon->isVisible() || kind == TBalloonKind::None)
        return;
    const QSystemTrayIcon::MessageIcon icon = kind == TBalloonKind::Error     ? QSystemTrayIcon::Critical
                                              : kind == TBalloonKind::Warning ? QSystemTrayIcon::Warning
                                                                              : QSystemTrayIcon::Information;
    m_icon->showMessage(title, text, icon, timeoutSeconds * 1000);
}

QAction* TTrayIcon::AddSession(const QString& caption, const QIcon& icon)
{
    QAction* entry = m_menu->addAction(icon, caption);
    connect(entry, &QAction::triggered, this, [this, entry] { Q_EMIT sessionChosen(entry); });
    return entry;
}

void TTrayIcon::RemoveSession(QAction* entry)
{
    if (!entry)
        return;
    m_menu->removeAction(entry);
    entry->deleteLater();
}
