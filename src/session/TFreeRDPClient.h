#pragma once

#include "TMsRdpClient5.h"

#include <QPointer>
#include <QTimer>

#include <memory>

class ISessionPrompts;
class TLocalClipboard;

/// The client on FreeRDP. Each connect attempt runs FreeRDP's connect and event loop on a worker thread of
/// its own; everything the worker learns is posted to the user-interface thread, where the events are
/// raised. The worker never touches a widget or a model.
///
/// States: idle -> connecting (worker started) -> connected -> idle. Disconnect() and the connect time-out
/// abort the attempt from any state; the worker then ends, and its end is reported once as Disconnected.
class TFreeRDPClient : public TMsRdpClient5
{
    Q_OBJECT

public:
    /// `configDir` keeps the certificates the user trusts for good; `prompts` may be null (then unknown
    /// certificates are refused and no password is asked).
    TFreeRDPClient(ISessionPrompts* prompts, const QString& configDir, QObject* parent = nullptr);
    ~TFreeRDPClient() override;

    void Connect() override;
    void Disconnect() override;
    bool IsActive() const override;

    void SendKey(quint16 scancode, bool extended, bool down) override;
    void SendLockKeys(quint32 flags) override;
    void SendMouse(quint16 flags, int x, int y) override;

    /// The longest a connect may take before it ends as timed out; a prompt on screen does not count.
    void SetConnectTimeout(int milliseconds) { m_connectTimeout.setInterval(milliseconds); }
    /// The graphics pipeline (compressed, possibly lossy updates); on by default.
    void SetGraphicsPipeline(bool on) { m_graphicsPipeline = on; }

    /// Shares text with the session's clipboard while "redirect clipboard" is on. Not owned.
    void SetClipboard(TLocalClipboard* clipboard);

    /// Warms FreeRDP's process-wide tables (codecs, keyboard) in the background, so that the first connect
    /// does not pay for them.
    static void WarmUp();

    struct Session;

private:
    void sessionEnded(int reason);
    void pausePrompting(bool prompting);
    void localClipboardChanged();
    void applyRemoteText(const QString& text);

    ISessionPrompts* m_prompts;
    QString m_configDir;
    QTimer m_connectTimeout;
    bool m_graphicsPipeline = true;
    /// Attempts after a dropped connection, when automatic reconnection is enabled.
    int m_reconnectAttempts = 20;
    std::shared_ptr<Session> m_session;
    QPointer<TLocalClipboard> m_clipboard;
    bool m_applyingRemoteText = false;

    friend struct SessionCallbacks;
};
