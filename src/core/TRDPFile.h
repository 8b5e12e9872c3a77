#pragma once

#include "support/TResult.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

/// The in-memory form of one connection file: one typed field per known key, the file's path, its time
/// stamps and its lines as last read or written. The fields, not `Lines`, are what `SaveAs` writes.
class TRDPFile
{
public:
    enum class KeyType { Integer, Text, TagList };
    struct KeyInfo
    {
        const char* key;
        KeyType type;
    };

    /// A record for the path with default values; reads nothing.
    explicit TRDPFile(const QString& fileName = QString());

    /// A record for the path: defaults when no file exists there, else the file's values.
    /// Fails when the file holds a value that is not a number for an integer key, or cannot be read.
    static TExpected<std::unique_ptr<TRDPFile>> Create(const QString& fileName);

    void SetDefaults();
    /// Reads the file at `FileName`.
    TStatus Load();
    /// Parses the bytes of a connection file; `FileName` only names the file in messages.
    TStatus LoadFromBytes(const QByteArray& bytes);
    /// Stamps `LastWriteTime` with now, then writes to `FileName`.
    TStatus Save();
    /// Writes the fields to the path (atomically) and makes it the record's file.
    TStatus SaveAs(const QString& path);
    /// The bytes `SaveAs` writes: UTF-16LE with a byte-order mark, CR LF after every line.
    QByteArray ToBytes();

    QString GetText() const;
    QString GetFolder() const;

    /// The 47 keys in the order `SaveAs` writes them.
    static int KeyCount();
    static KeyInfo Key(int index);
    /// The value of the key as the file would hold it (decimal integer, text, tag-list text).
    QString ValueText(int index) const;

    /// Called with the old path whenever `SaveAs` gives the record another path.
    void SetFileNameObserver(std::function<void(const QString& oldFileName)> observer);

    static QString TagsToText(const QStringList& tags);
    static QStringList TextToTags(const QString& text);

    QString FileName;
    QStringList Lines;
    QDateTime CreationTime;
    QDateTime LastWriteTime;

    QString AlternateShell;
    int AudioMode = 0;
    int AutoConnect = 0;
    int AutoReconnectionEnabled = 1;
    int BitmapCachePersistEnable = 1;
    int Compression = 1;
    int ConnectToConsole = 0;
    int DesktopHeight = 0;
    int DesktopWidth = 0;
    int DisableCursorSetting = 0;
    int DisableFullWindowDrag = 1;
    int DisableMenuAnims = 1;
    int DisableThemes = 0;
    int DisableWallpaper = 1;
    int DisplayConnectionBar = 1;
    QString Domain;
    QString FullAddress;
    int KeyboardHook = 2;
    int MaximizeShell = 0;
    int Port = 3389;
    int RedirectComPorts = 0;
    int RedirectDrives = 1;
    int RedirectPrinters = 0;
    int RedirectSmartCards = 0;
    int ScreenModeId = 0;
    int ServerPort = 3389;
    int SessionBpp = 16;
    QString ShellWorkingDirectory;
    int SmartSizing = 0;
    QString UserName;
    QString WinPosStr;
    int AllowDesktopComposition = 0;
    int AllowFontSmoothing = 0;
    int GatewayCredentialsSource = 0;
    QString GatewayHostname;
    int GatewayProfileUsageMethod = 0;
    int GatewayUsageMethod = 0;
    int PromptForCredentials = 0;
    int NegotiateSecurityLayer = 0;
    int RemoteApplicationMode = 0;
    int AuthenticationLevel = 0;
    int RedirectClipboard = 1;
    int RedirectPosDevices = 0;
    QString Description;
    int AutoExpand = 1;
    QString Alias;
    QStringList Tags;

private:
    std::function<void(const QString&)> m_fileNameObserver;
};

/// The flag helpers used where integer fields are shown or filled as flags.
namespace TRDPValue {
inline bool IntToBool(int value)
{
    return value != 0;
}
inline int BoolToInt(bool value)
{
    return value ? 1 : 0;
}
/// 1 when the text is "true" in any ASCII letter case, else 0.
int TextToIntFlag(const QString& text);
inline QString BoolToText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}
} // namespace TRDPValue
