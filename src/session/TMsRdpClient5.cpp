#include "TMsRdpClient5.h"

#include <array>

QString ClientEventName(TClientEvent event)
{
    static const std::array<const char*, ClientEventCount> kNames{
        "AuthenticationWarningDismissed",
        "AuthenticationWarningDisplayed",
        "AutoReconnecting",
        "ChannelReceivedData",
        "ConfirmClose",
        "Connected",
        "Connecting",
        "Disconnected",
        "Enter",
        "EnterFullScreenMode",
        "Exit",
        "FatalError",
        "FocusReleased",
        "IdleTimeoutNotification",
        "LeaveFullScreenMode",
        "LoginComplete",
        "Logon Error",
        "ReceivedTSPublicKey",
        "RemoteDesktopSizeChange",
        "RemoteProgramDisplayed",
        "RemoteProgramResult",
        "RequestContainerMinimize",
        "RequestGoFullScreen",
        "RequestLeaveFullScreen",
        "UserNameAcquired",
        "Warning",
    };
    return QString::fromLatin1(kNames[size_t(event)]);
}

TMsRdpClient5::TMsRdpClient5(QObject* parent)
    : QObject(parent)
{}

TMsRdpClient5::~TMsRdpClient5() = default;

TStatus TMsRdpClient5::acceptProperty(TClientProperty property, const QVariant& value)
{
    if (property == TClientProperty::AuthenticationLevel && value.toInt() < 0)
        return TStatus::Failure(QStringLiteral("The authentication level %1 is not valid").arg(value.toInt()));
    return {};
}

TStatus TMsRdpClient5::SetProperty(TClientProperty property, const QVariant& value)
{
    if (TStatus accepted = acceptProperty(property, value); !accepted)
        return accepted;
    TClientSettings& s = m_settings;
    switch (property) {
    case TClientProperty::StartProgram:
        s.StartProgram = value.toString();
        break;
    case TClientProperty::AudioRedirectionMode:
        s.AudioRedirectionMode = value.toInt();
        break;
    case TClientProperty::EnableAutoReconnect:
        s.EnableAutoReconnect = value.toBool();
        break;
    case TClientProperty::Compress:
        s.Compress = value.toInt();
        break;
    case TClientProperty::ConnectToServerConsole:
        s.ConnectToServerConsole = value.toBool();
        break;
    case TClientProperty::DesktopHeight:
        s.DesktopHeight = value.toInt();
        break;
    case TClientProperty::DesktopWidth:
        s.DesktopWidth = value.toInt();
        break;
    case TClientProperty::DisplayConnectionBar:
        s.DisplayConnectionBar = value.toBool();
        break;
    case TClientProperty::Domain:
        s.Domain = value.toString();
        break;
    case TClientProperty::Server:
        s.Server = value.toString();
        break;
    case TClientProperty::MaximizeShell:
        s.MaximizeShell = value.toInt();
        break;
    case TClientProperty::RDPPort:
        s.RDPPort = value.toInt();
        break;
    case TClientProperty::RedirectPorts:
        s.RedirectPorts = value.toBool();
        break;
    case TClientProperty::RedirectDrives:
        s.RedirectDrives = value.toBool();
        break;
    case TClientProperty::RedirectPrinters:
        s.RedirectPrinters = value.toBool();
        break;
    case TClientProperty::RedirectSmartCards:
        s.RedirectSmartCards = value.toBool();
        break;
    case TClientProperty::FullScreen:
        s.FullScreen = value.toBool();
        break;
    case TClientProperty::WorkDir:
        s.WorkDir = value.toString();
        break;
    case TClientProperty::SmartSizing:
        s.SmartSizing = value.toBool();
        break;
    case TClientProperty::UserName:
        s.UserName = value.toString();
        break;
    case TClientProperty::AuthenticationLevel:
        s.AuthenticationLevel = value.toUInt();
        break;
    case TClientProperty::RedirectClipboard:
        s.RedirectClipboard = value.toBool();
        break;
    case TClientProperty::RedirectPOSDevices:
        s.RedirectPOSDevices = value.toBool();
        break;
    }
    return {};
}

void TMsRdpClient5::SetFullScreen(bool on)
{
    if (m_settings.FullScreen == on)
        return;
    m_settings.FullScreen = on;
    raise(on ? TClientEvent::EnterFullScreenMode : TClientEvent::LeaveFullScreenMode);
}

QSize TMsRdpClient5::FrameSize() const
{
    QMutexLocker lock(&m_frameMutex);
    return m_frame.size();
}

void TMsRdpClient5::FocusChanged(bool entered)
{
    raise(entered ? TClientEvent::Enter : TClientEvent::Exit);
}

void TMsRdpClient5::raise(TClientEvent event, int value, int extra)
{
    Q_EMIT eventRaised(event, value, extra);
}
