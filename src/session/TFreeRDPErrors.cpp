#include "TFreeRDPErrors.h"

#include "core/TDisconnectReasons.h"

#include <freerdp/error.h>

namespace R = TDisconnectReasons;

namespace {
constexpr quint32 connectError(quint32 code)
{
    return quint32(FREERDP_ERROR_CONNECT_CLASS) << 16 | code;
}

int fromErrorInfo(quint32 info)
{
    switch (info) {
    case ERRINFO_RPC_INITIATED_DISCONNECT_BY_USER:
    case ERRINFO_LOGOFF_BY_USER:
        return R::RemoteByUser;
    case ERRINFO_DECRYPT_FAILED:
    case ERRINFO_DECRYPT_FAILED2:
        return R::DecryptionError;
    case ERRINFO_ENCRYPT_FAILED:
    case ERRINFO_ENCRYPTION_PACKAGE_MISMATCH:
        return R::EncryptionError;
    default:
        // Every other ending the server announces (idle or logon time-outs, another connection, licensing,
        // protocol faults) is the server's decision.
        return R::RemoteByServer;
    }
}
} // namespace

bool TFreeRDPErrors::IsLogonFailure(quint32 lastError)
{
    switch (lastError) {
    case connectError(ERRCONNECT_AUTHENTICATION_FAILED):
    case connectError(ERRCONNECT_PASSWORD_EXPIRED):
    case connectError(ERRCONNECT_PASSWORD_CERTAINLY_EXPIRED):
    case connectError(ERRCONNECT_CLIENT_REVOKED):
    case connectError(ERRCONNECT_ACCOUNT_DISABLED):
    case connectError(ERRCONNECT_PASSWORD_MUST_CHANGE):
    case connectError(ERRCONNECT_LOGON_FAILURE):
    case connectError(ERRCONNECT_WRONG_PASSWORD):
    case connectError(ERRCONNECT_ACCESS_DENIED):
    case connectError(ERRCONNECT_ACCOUNT_RESTRICTION):
    case connectError(ERRCONNECT_ACCOUNT_LOCKED_OUT):
    case connectError(ERRCONNECT_ACCOUNT_EXPIRED):
    case connectError(ERRCONNECT_LOGON_TYPE_NOT_GRANTED):
        return true;
    default:
        return false;
    }
}

int TFreeRDPErrors::DisconnectReason(const TSessionEnd& end)
{
    if (end.OwnDisconnect)
        return R::LocalDisconnect;
    if (end.TimedOut)
        return R::ConnectionTimedOut;
    if (end.ErrorInfo != 0)
        return fromErrorInfo(end.ErrorInfo);
    switch (end.LastError) {
    case 0:
        return end.WasConnected ? R::RemoteByServer : R::SocketConnectFailure;
    case connectError(ERRCONNECT_CONNECT_CANCELLED):
        return R::LocalDisconnect;
    case connectError(ERRCONNECT_DNS_NAME_NOT_FOUND):
        return R::DnsLookupFailure;
    case connectError(ERRCONNECT_DNS_ERROR):
        return 1288;
    case connectError(ERRCONNECT_CONNECT_FAILED):
    case connectError(ERRCONNECT_CONNECT_UNDEFINED):
    case connectError(ERRCONNECT_PRE_CONNECT_FAILED):
    case connectError(ERRCONNECT_MCS_CONNECT_INITIAL_ERROR):
        return R::SocketConnectFailure;
    case connectError(ERRCONNECT_CONNECT_TRANSPORT_FAILED):
        return end.WasConnected ? R::SocketClosed : R::SocketConnectFailure;
    case connectError(ERRCONNECT_TLS_CONNECT_FAILED):
    case connectError(ERRCONNECT_SECURITY_NEGO_CONNECT_FAILED):
    case connectError(ERRCONNECT_POST_CONNECT_FAILED):
        return R::InternalSecurityError;
    case connectError(ERRCONNECT_NO_OR_MISSING_CREDENTIALS):
        return R::LocalDisconnect;
    default:
        if (IsLogonFailure(end.LastError))
            return 2055;
        return end.WasConnected ? R::SocketClosed : R::SocketConnectFailure;
    }
}
