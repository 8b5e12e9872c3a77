#include "TDisconnectReasons.h"

namespace {
struct Reason
{
    int code;
    const char* text;
    TLogLevel level;
};

using L = TLogLevel;
constexpr Reason kReasons[] = {
    {0x0, "No information is available.", L::Warning},
    {0x1, "Local disconnection. (Not an error code.)", L::Disconnecting},
    {0x2, "Remote disconnection by user. (Not an error code.)", L::Disconnecting},
    {0x3, "Remote disconnection by server. (Not an error code.)", L::Disconnecting},
    {0x104, "DNS name lookup failure.", L::Error},
    {0x106, "Out of memory.", L::Error},
    {0x108, "Connection timed out.", L::Error},
    {0x204, "Winsock socket connect failure.", L::Error},
    {0x206, "Out of memory.", L::Error},
    {0x208, "\"Host not found\" error.", L::Error},
    {0x304, "Winsock send call failure.", L::Error},
    {0x306, "Out of memory.", L::Error},
    {0x308, "Invalid IP address specified.", L::Error},
    {0x404, "Winsock recv call failure.", L::Error},
    {0x406, "Invalid security data.", L::Error},
    {0x408, "Internal error.", L::Error},
    {0x506, "Invalid encryption method specified.", L::Error},
    {0x508, "DNS lookup failed.", L::Error},
    {0x604, "Failed to find the requested server, device, or host.", L::Error},
    {0x606, "Invalid server security data.", L::Error},
    {0x608, "Internal timer error.", L::Error},
    {0x704, "Timeout occurred.", L::Error},
    {0x706, "Failed to unpack server certificate.", L::Error},
    {0x804, "Bad IP address specified.", L::Error},
    {0x808, "Internal security error.", L::Error},
    {0x904, "Socket closed.", L::Error},
    {0x906, "Internal security error.", L::Error},
    {0x908, "Licensing timeout.", L::Error},
    {0xa06, "Internal security error.", L::Error},
    {0xb06, "Encryption error.", L::Error},
    {0xc06, "Decryption error.", L::Error},
};

const Reason* find(int code)
{
    for (const Reason& reason : kReasons) {
        if (reason.code == code)
            return &reason;
    }
    return nullptr;
}
} // namespace

QString TDisconnectReasons::Text(int code)
{
    const Reason* reason = find(code);
    return reason ? QString::fromLatin1(reason->text) : QString();
}

TLogLevel TDisconnectReasons::Level(int code)
{
    const Reason* reason = find(code);
    return reason ? reason->level : TLogLevel::Info;
}
