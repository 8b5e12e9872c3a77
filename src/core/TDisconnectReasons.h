#pragma once

#include "persist/TLogFileFormat.h"

#include <QString>

/// The texts and log levels of the disconnect reason codes a session ends with.
namespace TDisconnectReasons {
/// The reason's text; empty for a code the table does not know.
QString Text(int code);
/// The reason's log level; INFO for a code the table does not know.
TLogLevel Level(int code);

inline constexpr int LocalDisconnect = 1;
inline constexpr int RemoteByUser = 2;
inline constexpr int RemoteByServer = 3;
inline constexpr int DnsLookupFailure = 260;
inline constexpr int ConnectionTimedOut = 264;
inline constexpr int SocketConnectFailure = 516;
inline constexpr int TimeoutOccurred = 1796;
inline constexpr int SocketClosed = 2308;
inline constexpr int InternalSecurityError = 2310;
inline constexpr int EncryptionError = 2822;
inline constexpr int DecryptionError = 3078;
} // namespace TDisconnectReasons
