#pragma once

#include "TClientEvent.h"
#include "core/TQVRDElement.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class IPrompt;
class TFrameRDP;
class TMsRdpClient5;
class QWidget;

/// Makes the client of a session; returns null when no client can be made.
using TClientFactory = std::function<TMsRdpClient5*(QObject* parent)>;

/// The session side of a connection element: its tab with the client frame, the blink timer of the
/// connecting animation, and the translation of client events into element events.
///
/// State per element: idle -> connecting ("Connecting") -> connected ("Connected") -> idle ("Disconnected");
/// a failed attempt goes from connecting straight back to idle. The tab and the frame outlive a session.
class TElementSession : public QObject, public IElementSession
{
    Q_OBJECT

public:
    /// Receives every element event: the element, the event name, its number (-1 for none) and a text
    /// (the connection name, or "SetImageIndex").
    using EventHandler = std::function<void(TQVRDElement*, const QString&, int, const QString&)>;

    static constexpr int BlinkInterval = 500;
    static inline const QString ErrorConnect = QStringLiteral("Error connect!");

    TElementSession(TQVRDElement& element, TClientFactory factory, IPrompt* prompt);
    ~TElementSession() override;

    /// Attaches a session tab and creates the client frame on it.
    void SetTabSheet(QWidget* tab);
    /// Hands the connection record to the client and starts connecting; "Error connect!" when the client
    /// refuses a value, and then no connection is tried.
    void ConnectSession();

    void ImageIndexChanged(int index) override;
    /// One step of the connecting animation.
    void BlinkTick();

    QWidget* TabSheet() const { return m_tabSheet; }
    TFrameRDP* FrameRDP() const { return m_frame; }
    TMsRdpClient5* Client() const { return m_client; }

    EventHandler OnEvent;
    QTimer BlinkTimer;
    bool ClientMissing = false;
    bool ReportClientMissing = false;

    static QString ClientMissingMessage();

Q_SIGNALS:
    /// The element's state icon changed; rows and the tab show it.
    void imageIndexChanged(int index);

private:
    void clientEvent(TClientEvent event, int value, int extra);
    void raiseElementEvent(const QString& name, int value, const QString& text);

    TQVRDElement& m_element;
    TClientFactory m_factory;
    IPrompt* m_prompt;
    QPointer<QWidget> m_tabSheet;
    QPointer<TFrameRDP> m_frame;
    QPointer<TMsRdpClient5> m_client;
};
