#pragma once

#include "TClientEvent.h"
#include "support/TResult.h"

#include <QCursor>
#include <QImage>
#include <QMutex>
#include <QObject>
#include <QRect>
#include <QVariant>

/// The settings a client takes before it connects, in the order a session hands them over.
enum class TClientProperty {
    StartProgram,
    AudioRedirectionMode,
    EnableAutoReconnect,
    Compress,
    ConnectToServerConsole,
    DesktopHeight,
    DesktopWidth,
    DisplayConnectionBar,
    Domain,
    Server,
    MaximizeShell,
    RDPPort,
    RedirectPorts,
    RedirectDrives,
    RedirectPrinters,
    RedirectSmartCards,
    FullScreen,
    WorkDir,
    SmartSizing,
    UserName,
    AuthenticationLevel,
    RedirectClipboard,
    RedirectPOSDevices,
};

inline constexpr int ClientPropertyCount = int(TClientProperty::RedirectPOSDevices) + 1;

/// The values of the client properties. No password: the client asks for one when the server needs it.
struct TClientSettings
{
    QString Server;
    QString Domain;
    QString UserName;
    int DesktopWidth = 0;
    int DesktopHeight = 0;
    bool FullScreen = false;
    QString StartProgram;
    QString WorkDir;
    int AudioRedirectionMode = 0;
    int Compress = 1;
    bool ConnectToServerConsole = false;
    int RDPPort = 3389;
    bool RedirectDrives = false;
    bool RedirectPrinters = false;
    bool RedirectSmartCards = false;
    bool SmartSizing = false;
    bool EnableAutoReconnect = true;
    bool DisplayConnectionBar = true;
    int MaximizeShell = 0;
    bool RedirectPorts = false;
    unsigned AuthenticationLevel = 0;
    bool RedirectClipboard = true;
    bool RedirectPOSDevices = false;
};

/// A remote desktop client: it takes its settings, connects, and reports what happens as events, always on
/// the thread that owns it (the user-interface thread). Every connect attempt ends with one Disconnected
/// event carrying a reason code; after that the client can be configured and connected again.
///
/// The client also owns the session's picture and takes the user's input for it; `TFrameRDP` shows the one
/// and forwards the other.
class TMsRdpClient5 : public QObject
{
    Q_OBJECT

public:
    explicit TMsRdpClient5(QObject* parent = nullptr);
    ~TMsRdpClient5() override;

    /// Sets one property. Fails for a value the client refuses (a negative authentication level, say).
    TStatus SetProperty(TClientProperty property, const QVariant& value);
    const TClientSettings& Settings() const { return m_settings; }

    /// Starts connecting and returns at once.
    virtual void Connect() = 0;
    /// Ends the session or the attempt; the end is reported by the Disconnected event.
    virtual void Disconnect() = 0;
    virtual bool IsActive() const = 0;

    bool FullScreen() const { return m_settings.FullScreen; }
    /// Switches full screen during a session and reports the change as an event.
    void SetFullScreen(bool on);

    /// Runs `paint` with the session picture while no other thread changes it.
    template <typename F> void withFrame(F&& paint) const
    {
        QMutexLocker lock(&m_frameMutex);
        paint(std::as_const(m_frame));
    }
    QSize FrameSize() const;

    /// Input for the session, in desktop coordinates; dropped while no session runs.
    virtual void SendKey(quint16 scancode, bool extended, bool down) = 0;
    /// The state of the lock keys, sent when the frame gets the focus (bit 0 scroll, 1 num, 2 caps, 3 kana).
    virtual void SendLockKeys(quint32 flags) = 0;
    virtual void SendMouse(quint16 flags, int x, int y) = 0;

    /// Focus moved into or out of the session's frame.
    void FocusChanged(bool entered);

Q_SIGNALS:
    /// One event of the client; `value` is the event's number (-1 when it has none) and `extra` its second
    /// number (the height of a size change, the attempt of a reconnect).
    void eventRaised(TClientEvent event, int value, int extra);
    /// Part of the picture changed.
    void frameChanged(const QRect& area);
    /// The picture has a new size.
    void frameResized(const QSize& size);
    /// The server shows another pointer over the session.
    void cursorChanged(const QCursor& cursor);

protected:
    /// Whether the client takes the value; the base takes every value of the right type.
    virtual TStatus acceptProperty(TClientProperty property, const QVariant& value);
    void raise(TClientEvent event, int value = -1, int extra = 0);

    TClientSettings m_settings;
    mutable QMutex m_frameMutex;
    QImage m_frame;
};
