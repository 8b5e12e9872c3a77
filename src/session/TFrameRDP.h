#pragma once

#include <QPointer>
#include <QSet>
#include <QWidget>

class TMsRdpClient5;

/// Shows a session and takes the user's input for it. Only the changed parts of the picture are painted;
/// while the frame has the focus every key goes to the session, Tab and Escape included.
/// With smart sizing the picture is scaled to the frame and the pointer scaled back.
class TFrameRDP : public QWidget
{
    Q_OBJECT

public:
    explicit TFrameRDP(TMsRdpClient5* client, QWidget* parent = nullptr);
    ~TFrameRDP() override;

    TMsRdpClient5* MsRdpClient() const { return m_client; }

    /// Shows the session on the whole screen, or back in its tab. Ctrl+Alt+Enter leaves full screen.
    void SetFullScreen(bool on);
    bool IsFullScreen() const { return m_fullScreen; }

    /// Where a point of the frame lies on the remote desktop.
    QPoint toDesktop(const QPointF& local) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool event(QEvent* event) override;

private:
    void sendKey(QKeyEvent* event, bool down);
    void sendButton(QMouseEvent* event, bool down);
    QRect toLocal(const QRect& desktop) const;
    bool smartSizing() const;
    void releaseHeldKeys();

    QPointer<TMsRdpClient5> m_client;
    QSet<quint32> m_heldKeys;
    bool m_fullScreen = false;
    QPointer<QWidget> m_container;
};
