#include "TFormSplash.h"

#include "support/TQVAppInfo.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPropertyAnimation>
#include <QTimer>
#include <QVBoxLayout>

TFormSplash::TFormSplash(const TQVAppInfo& appInfo, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_version(new QLabel(VersionText(appInfo)))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(420, 220);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 28, 28, 20);
    auto* title = new QLabel(appInfo.ProductName());
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2.6);
    big.setBold(true);
    title->setFont(big);
    auto* subtitle = new QLabel(QStringLiteral("Remote Desktop connection manager"));
    for (QLabel* label : {title, subtitle, m_version})
        label->setStyleSheet(QStringLiteral("color: white;"));
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addStretch();
    layout->addWidget(m_version);
    QTimer::singleShot(ShowMilliseconds, this, &TFormSplash::fadeOut);
}

QString TFormSplash::VersionText(const TQVAppInfo& appInfo)
{
    return QStringLiteral("Version: ") + appInfo.ProductVersion() + QStringLiteral("   Build: ") +
           appInfo.VersionAsString();
}

QString TFormSplash::VersionLabelText() const
{
    return m_version->text();
}

void TFormSplash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(rect().topLeft(), rect().bottomRight());
    gradient.setColorAt(0, QColor(0x1f, 0x4e, 0x8c));
    gradient.setColorAt(1, QColor(0x2f, 0x8f, 0xc8));
    painter.fillRect(rect(), gradient);
}

void TFormSplash::fadeOut()
{
    if (!isVisible() || m_fade)
        return;
    // The animation runs on the event loop, so the window keeps working while the splash fades.
    m_fade = new QPropertyAnimation(this, "windowOpacity", this);
    m_fade->setDuration(FadeMilliseconds);
    m_fade->setStartValue(1.0);
    m_fade->setEndValue(0.0);
    connect(m_fade, &QPropertyAnimation::finished, this, &QWidget::hide);
    m_fade->start(QAbstractAnimation::DeleteWhenStopped);
}
