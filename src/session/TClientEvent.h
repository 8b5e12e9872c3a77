#pragma once

#include <QString>

/// The events of a remote desktop client, in the order of their names.
enum class TClientEvent {
    AuthenticationWarningDismissed,
    AuthenticationWarningDisplayed,
    AutoReconnecting,
    ChannelReceivedData,
    ConfirmClose,
    Connected,
    Connecting,
    Disconnected,
    Enter,
    EnterFullScreenMode,
    Exit,
    FatalError,
    FocusReleased,
    IdleTimeoutNotification,
    LeaveFullScreenMode,
    LoginComplete,
    LogonError,
    ReceivedTSPublicKey,
    RemoteDesktopSizeChange,
    RemoteProgramDisplayed,
    RemoteProgramResult,
    RequestContainerMinimize,
    RequestGoFullScreen,
    RequestLeaveFullScreen,
    UserNameAcquired,
    Warning,
};

inline constexpr int ClientEventCount = int(TClientEvent::Warning) + 1;

/// The element event name of a client event ("Logon Error" has a blank).
QString ClientEventName(TClientEvent event);
