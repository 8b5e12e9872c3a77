#include "TElementSession.h"

#include "TFrameRDP.h"
#include "TMsRdpClient5.h"
#include "support/IPrompt.h"
#include "support/TDateFormat.h"

#include <QVBoxLayout>
#include <QWidget>

#include <array>

TElementSession::TElementSession(TQVRDElement& element, TClientFactory factory, IPrompt* prompt)
    : m_element(element)
    , m_factory(std::move(factory))
    , m_prompt(prompt)
{
    BlinkTimer.setInterval(BlinkInterval);
    connect(&BlinkTimer, &QTimer::timeout, this, &TElementSession::BlinkTick);
}

TElementSession::~TElementSession()
{
    BlinkTimer.stop();
    OnEvent = nullptr;
    m_element.TabSheet = nullptr;
    // The frame ends an open session with its client; the tab goes with it.
    delete m_frame.data();
    delete m_tabSheet.data();
}

QString TElementSession::ClientMissingMessage()
{
    return QStringLiteral("Remote Desktop Connection (Terminal Services Client 6.0) not found!\r\r"
                          "For more informations see https://www.freerdp.com/");
}

void TElementSession::SetTabSheet(QWidget* tab)
{
    m_tabSheet = tab;
    m_element.TabSheet = tab;
    tab->setWindowTitle(m_element.Name());
    TMsRdpClient5* client = m_factory ? m_factory(nullptr) : nullptr;
    if (!client) {
        if (!ClientMissing && ReportClientMissing && m_prompt)
            m_prompt->ShowMessage(ClientMissingMessage(), IPrompt::Kind::Error);
        ClientMissing = true;
        return;
    }
    auto* layout = tab->layout() ? tab->layout() : new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    m_frame = new TFrameRDP(client, tab);
    client->setParent(m_frame);
    layout->addWidget(m_frame);
    m_client = client;
    connect(client, &TMsRdpClient5::eventRaised, this, &TElementSession::clientEvent);
}

void TElementSession::ConnectSession()
{
    if (!m_frame || !m_client)
        return;
    const TRDPFile& r = m_element.RdpFile();
    using P = TClientProperty;
    const std::array<std::pair<P, QVariant>, ClientPropertyCount> values{{
        {P::StartProgram, r.AlternateShell},
        {P::AudioRedirectionMode, r.AudioMode},
        {P::EnableAutoReconnect, r.AutoReconnectionEnabled != 0},
        {P::Compress, r.Compression},
        {P::ConnectToServerConsole, r.ConnectToConsole != 0},
        {P::DesktopHeight, r.DesktopHeight},
        {P::DesktopWidth, r.DesktopWidth},
        {P::DisplayConnectionBar, r.DisplayConnectionBar != 0},
        {P::Domain, r.Domain},
        {P::Server, r.FullAddress},
        {P::MaximizeShell, r.MaximizeShell},
        {P::RDPPort, r.Port},
        {P::RedirectPorts, r.RedirectComPorts != 0},
        {P::RedirectDrives, r.RedirectDrives != 0},
        {P::RedirectPrinters, r.RedirectPrinters != 0},
        {P::RedirectSmartCards, r.RedirectSmartCards != 0},
        {P::FullScreen, r.ScreenModeId == 2},
        {P::WorkDir, r.ShellWorkingDirectory},
        {P::SmartSizing, r.SmartSizing != 0},
        {P::UserName, r.UserName},
        {P::AuthenticationLevel, r.AuthenticationLevel},
        {P::RedirectClipboard, r.RedirectClipboard != 0},
        {P::RedirectPOSDevices, r.RedirectPosDevices != 0},
    }};
    for (const auto& [property, value] : values) {
        if (!m_client->SetProperty(property, value)) {
            if (m_prompt)
                m_prompt->ShowMessage(ErrorConnect, IPrompt::Kind::Error);
            return;
        }
    }
    m_client->Connect();
}

void TElementSession::ImageIndexChanged(int index)
{
    Q_EMIT imageIndexChanged(index);
    raiseElementEvent(QStringLiteral("SetImageIndex"), index, QStringLiteral("SetImageIndex"));
}

void TElementSession::BlinkTick()
{
    BlinkTimer.stop();
    m_element.SetImageIndex(m_element.ImageIndex == 2 ? 1 : 2);
    // The handler of the element event above stops the timer; the animation goes on until another event.
    BlinkTimer.start();
}

void TElementSession::raiseElementEvent(const QString& name, int value, const QString& text)
{
    if (OnEvent)
        OnEvent(&m_element, name, value, text);
}

void TElementSession::clientEvent(TClientEvent event, int value, int extra)
{
    switch (event) {
    case TClientEvent::Connecting:
        m_element.Connecting = true;
        break;
    case TClientEvent::Connected: {
        const QDateTime now = QDateTime::currentDateTime();
        m_element.Connected = true;
        m_element.Connecting = false;
        const TDateFormat dates;
        m_element.ConnectTimeText =
            dates.formatShortDate(now.date()) + u' ' + QLocale::system().toString(now.time(), dates.longTimeFormat());
        m_element.LastUsed = now;
        m_element.SetImageIndex(59);
        break;
    }
    case TClientEvent::Disconnected:
        m_element.Connected = false;
        m_element.Connecting = false;
        m_element.ConnectTimeText.clear();
        break;
    case TClientEvent::RemoteDesktopSizeChange:
        m_element.RdpFile().DesktopWidth = value;
        m_element.RdpFile().DesktopHeight = extra;
        break;
    default:
        break;
    }
    const bool hasNumber = event == TClientEvent::Disconnected || event == TClientEvent::AutoReconnecting ||
                           event == TClientEvent::FatalError || event == TClientEvent::Warning ||
                           event == TClientEvent::LogonError || event == TClientEvent::FocusReleased ||
                           event == TClientEvent::RemoteDesktopSizeChange;
    raiseElementEvent(ClientEventName(event), hasNumber ? value : -1, m_element.Name());
    if (event == TClientEvent::Disconnected)
        m_element.SetImageIndex(0);
}
