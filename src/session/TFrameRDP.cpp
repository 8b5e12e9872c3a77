#include "TFrameRDP.h"

#include "TKeyboardMap.h"
#include "TMouseFlags.h"
#include "TMsRdpClient5.h"

#include <QKeyEvent>
#include <QLayout>
#include <QPainter>

TFrameRDP::TFrameRDP(TMsRdpClient5* client, QWidget* parent)
    : QWidget(parent)
    , m_client(client)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(client, &TMsRdpClient5::frameChanged, this, [this](const QRect& area) { update(toLocal(area)); });
    connect(client, &TMsRdpClient5::frameResized, this, [this] { update(); });
    connect(client, &TMsRdpClient5::cursorChanged, this, [this](const QCursor& cursor) { setCursor(cursor); });
}

TFrameRDP::~TFrameRDP() = default;

bool TFrameRDP::smartSizing() const
{
    return m_client && m_client->Settings().SmartSizing;
}

QRect TFrameRDP::toLocal(const QRect& desktop) const
{
    const QSize frame = m_client ? m_client->FrameSize() : QSize();
    if (!smartSizing() || frame.isEmpty())
        return desktop;
    const double sx = double(width()) / frame.width();
    const double sy = double(height()) / frame.height();
    // One pixel of margin: scaled edges blend with their neighbours.
    return QRectF(desktop.x() * sx, desktop.y() * sy, desktop.width() * sx, desktop.height() * sy)
        .toAlignedRect()
        .adjusted(-1, -1, 1, 1);
}

QPoint TFrameRDP::toDesktop(const QPointF& local) const
{
    const QSize frame = m_client ? m_client->FrameSize() : QSize();
    if (!smartSizing() || frame.isEmpty() || width() == 0 || height() == 0)
        return local.toPoint();
    return QPoint(int(local.x() * frame.width() / width()), int(local.y() * frame.height() / height()));
}

void TFrameRDP::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (!m_client) {
        painter.fillRect(event->rect(), Qt::black);
        return;
    }
    const bool scaled = smartSizing();
    m_client->withFrame([&](const QImage& frame) {
        if (frame.isNull()) {
            painter.fillRect(event->rect(), Qt::black);
            return;
        }
        if (scaled) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(rect(), frame);
            return;
        }
        const QRect area = event->rect();
        painter.drawImage(area.topLeft(), frame, area);
        // What lies beyond the remote desktop stays black.
        const QRegion outside = QRegion(area).subtracted(QRegion(frame.rect()));
        for (const QRect& r : outside)
            painter.fillRect(r, Qt::black);
    });
}

bool TFrameRDP::event(QEvent* event)
{
    // Keys the window would take as shortcuts belong to the session while it has the focus.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

bool TFrameRDP::focusNextPrevChild(bool)
{
    return false;
}

void TFrameRDP::sendKey(QKeyEvent* event, bool down)
{
    const TKeyboardMap::Scancode scancode = TKeyboardMap::FromX11Keycode(event->nativeScanCode());
    if (!m_client || !scancode.valid())
        return;
    if (down)
        m_heldKeys.insert(event->nativeScanCode());
    else
        m_heldKeys.remove(event->nativeScanCode());
    m_client->SendKey(scancode.code, scancode.extended, down);
}

void TFrameRDP::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers chord = Qt::ControlModifier | Qt::AltModifier;
    if (m_fullScreen && (event->modifiers() & chord) == chord &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        releaseHeldKeys();
        SetFullScreen(false);
        return;
    }
    sendKey(event, true);
}

void TFrameRDP::keyReleaseEvent(QKeyEvent* event)
{
    sendKey(event, false);
}

void TFrameRDP::releaseHeldKeys()
{
    const QSet<quint32> held = m_heldKeys;
    m_heldKeys.clear();
    for (const quint32 keycode : held) {
        const TKeyboardMap::Scancode scancode = TKeyboardMap::FromX11Keycode(keycode);
        if (m_client && scancode.valid())
            m_client->SendKey(scancode.code, scancode.extended, false);
    }
}

void TFrameRDP::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (!m_client)
        return;
    m_client->SendLockKeys(TKeyboardMap::LocalLockKeys());
    m_client->FocusChanged(true);
}

void TFrameRDP::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    // A modifier held while the focus leaves would stay pressed on the server.
    releaseHeldKeys();
    if (m_client)
        m_client->FocusChanged(false);
}

void TFrameRDP::sendButton(QMouseEvent* event, bool down)
{
    quint16 button = 0;
    switch (event->button()) {
    case Qt::LeftButton:
        button = TMouseFlags::Button1;
        break;
    case Qt::RightButton:
        button = TMouseFlags::Button2;
        break;
    case Qt::MiddleButton:
        button = TMouseFlags::Button3;
        break;
    default:
        return;
    }
    if (!m_client)
        return;
    const QPoint p = toDesktop(event->position());
    m_client->SendMouse(quint16(button | (down ? TMouseFlags::Down : 0)), p.x(), p.y());
}

void TFrameRDP::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    sendButton(event, true);
}

void TFrameRDP::mouseReleaseEvent(QMouseEvent* event)
{
    sendButton(event, false);
}

void TFrameRDP::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_client)
        return;
    const QPoint p = toDesktop(event->position());
    m_client->SendMouse(TMouseFlags::Move, p.x(), p.y());
}

void TFrameRDP::wheelEvent(QWheelEvent* event)
{
    if (!m_client)
        return;
    const QPoint p = toDesktop(event->position());
    const auto send = [&](int delta, quint16 kind) {
        // The protocol carries at most 255 units per event, negative ones as a 9-bit two's complement.
        while (delta != 0) {
            const int step = std::clamp(delta, -255, 255);
            quint16 flags = kind;
            flags |= step < 0 ? quint16(TMouseFlags::WheelNegative | ((0x100 + step) & 0xFF)) : quint16(step);
            m_client->SendMouse(flags, p.x(), p.y());
            delta -= step;
        }
    };
    send(event->angleDelta().y(), TMouseFlags::Wheel);
    // Right is positive on the local side, negative on the remote one.
    send(-event->angleDelta().x(), TMouseFlags::HorizontalWheel);
    event->accept();
}

void TFrameRDP::SetFullScreen(bool on)
{
    if (on == m_fullScreen)
        return;
    m_fullScreen = on;
    if (on) {
        m_container = parentWidget();
        if (m_container && m_container->layout())
            m_container->layout()->removeWidget(this);
        setParent(nullptr);
        setWindowFlag(Qt::Window);
        showFullScreen();
    } else {
        setWindowFlag(Qt::Window, false);
        setParent(m_container);
        if (m_container && m_container->layout())
            m_container->layout()->addWidget(this);
        show();
    }
    setFocus(Qt::OtherFocusReason);
    if (m_client)
        m_client->SetFullScreen(on);
}
