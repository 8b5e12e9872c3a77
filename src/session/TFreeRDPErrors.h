#pragma once

#include <QtGlobal>

/// How a session ended, as far as the client knows.
struct TSessionEnd
{
    quint32 LastError = 0; ///< FreeRDP's last error: class << 16 | code
    quint32 ErrorInfo = 0; ///< the server's error info, 0 when it sent none
    bool OwnDisconnect = false;
    bool TimedOut = false;
    bool WasConnected = false;
};

/// The one place where FreeRDP's errors become the disconnect reason codes the rest of the program knows.
namespace TFreeRDPErrors {
int DisconnectReason(const TSessionEnd& end);
/// Whether the error is a logon failure (wrong password, locked account…), reported before the disconnect.
bool IsLogonFailure(quint32 lastError);
} // namespace TFreeRDPErrors
