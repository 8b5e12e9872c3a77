#include "TRDPFile.h"

#include "support/TAscii.h"
#include "support/TAtomicFile.h"
#include "support/TDelimitedText.h"
#include "support/TPath.h"
#include "support/TTextCodec.h"

#include <QFile>
#include <QHash>
#include <QStringEncoder>

#include <array>
#include <limits>

namespace {
struct KeyRow
{
    const char* key;
    TRDPFile::KeyType type;
    int TRDPFile::*intField;
    QString TRDPFile::*textField;
    int defaultValue;
};

using KT = TRDPFile::KeyType;

// The order is the order of the lines in a written file.
const std::array<KeyRow, 47> kKeys{{
    {"alternate shell", KT::Text, nullptr, &TRDPFile::AlternateShell, 0},
    {"audiomode", KT::Integer, &TRDPFile::AudioMode, nullptr, 0},
    {"auto connect", KT::Integer, &TRDPFile::AutoConnect, nullptr, 0},
    {"autoreconnection enabled", KT::Integer, &TRDPFile::AutoReconnectionEnabled, nullptr, 1},
    {"bitmapcachepersistenable", KT::Integer, &TRDPFile::BitmapCachePersistEnable, nullptr, 1},
    {"compression", KT::Integer, &TRDPFile::Compression, nullptr, 1},
    {"connect to console", KT::Integer, &TRDPFile::ConnectToConsole, nullptr, 0},
    {"desktopheight", KT::Integer, &TRDPFile::DesktopHeight, nullptr, 0},
    {"desktopwidth", KT::Integer, &TRDPFile::DesktopWidth, nullptr, 0},
    {"disable cursor setting", KT::Integer, &TRDPFile::DisableCursorSetting, nullptr, 0},
    {"disable full window drag", KT::Integer, &TRDPFile::DisableFullWindowDrag, nullptr, 1},
    {"disable menu anims", KT::Integer, &TRDPFile::DisableMenuAnims, nullptr, 1},
    {"disable themes", KT::Integer, &TRDPFile::DisableThemes, nullptr, 0},
    {"disable wallpaper", KT::Integer, &TRDPFile::DisableWallpaper, nullptr, 1},
    {"displayconnectionbar", KT::Integer, &TRDPFile::DisplayConnectionBar, nullptr, 1},
    {"domain", KT::Text, nullptr, &TRDPFile::Domain, 0},
    {"full address", KT::Text, nullptr, &TRDPFile::FullAddress, 0},
    {"keyboardhook", KT::Integer, &TRDPFile::KeyboardHook, nullptr, 2},
    {"maximizeshell", KT::Integer, &TRDPFile::MaximizeShell, nullptr, 0},
    {"port", KT::Integer, &TRDPFile::Port, nullptr, 3389},
    {"redirectcomports", KT::Integer, &TRDPFile::RedirectComPorts, nullptr, 0},
    {"redirectdrives", KT::Integer, &TRDPFile::RedirectDrives, nullptr, 1},
    {"redirectprinters", KT::Integer, &TRDPFile::RedirectPrinters, nullptr, 0},
    {"redirectsmartcards", KT::Integer, &TRDPFile::RedirectSmartCards, nullptr, 0},
    {"screen mode id", KT::Integer, &TRDPFile::ScreenModeId, nullptr, 0},
    {"server port", KT::Integer, &TRDPFile::ServerPort, nullptr, 3389},
    {"session bpp", KT::Integer, &TRDPFile::SessionBpp, nullptr, 16},
    {"shell working directory", KT::Text, nullptr, &TRDPFile::ShellWorkingDirectory, 0},
    {"smart sizing", KT::Integer, &TRDPFile::SmartSizing, nullptr, 0},
    {"username", KT::Text, nullptr, &TRDPFile::UserName, 0},
    {"winposstr", KT::Text, nullptr, &TRDPFile::WinPosStr, 0},
    {"allow desktop composition", KT::Integer, &TRDPFile::AllowDesktopComposition, nullptr, 0},
    {"allow font smoothing", KT::Integer, &TRDPFile::AllowFontSmoothing, nullptr, 0},
    {"gatewaycredentialssource", KT::Integer, &TRDPFile::GatewayCredentialsSource, nullptr, 0},
    {"gatewayhostname", KT::Text, nullptr, &TRDPFile::GatewayHostname, 0},
    {"gatewayprofileusagemethod", KT::Integer, &TRDPFile::GatewayProfileUsageMethod, nullptr, 0},
    {"gatewayusagemethod", KT::Integer, &TRDPFile::GatewayUsageMethod, nullptr, 0},
    {"prompt for credentials", KT::Integer, &TRDPFile::PromptForCredentials, nullptr, 0},
    {"negotiate security layer", KT::Integer, &TRDPFile::NegotiateSecurityLayer, nullptr, 0},
    {"remoteapplicationmode", KT::Integer, &TRDPFile::RemoteApplicationMode, nullptr, 0},
    {"authentication level", KT::Integer, &TRDPFile::AuthenticationLevel, nullptr, 0},
    {"redirectclipboard", KT::Integer, &TRDPFile::RedirectClipboard, nullptr, 1},
    {"redirectposdevices", KT::Integer, &TRDPFile::RedirectPosDevices, nullptr, 0},
    {"description", KT::Text, nullptr, &TRDPFile::Description, 0},
    {"autoexpand", KT::Integer, &TRDPFile::AutoExpand, nullptr, 1},
    {"alias", KT::Text, nullptr, &TRDPFile::Alias, 0},
    {"tags", KT::TagList, nullptr, nullptr, 0},
}};

constexpr int kUnset = -1;
const char* const kAlwaysWritten = "autoexpand";

const QHash<QString, int>& keyIndex()
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        for (int i = 0; i < int(kKeys.size()); ++i)
            h.insert(QString::fromLatin1(kKeys[i].key), i);
        return h;
    }();
    return index;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

/// Signed decimal with blanks around it, or the words true/false in any case.
std::optional<int> parseInteger(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    if (TAscii::equalsIgnoringCase(text, u"true"))
        return 1;
    if (TAscii::equalsIgnoringCase(text, u"false"))
        return 0;
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return int(value);
}

/// Splits at CR LF, lone LF and lone CR; NUL ends the text; a final break adds no empty line.
QStringList splitLines(QStringView text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text = text.first(nul);
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(start, i - start).toString());
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.sliced(start).toString());
    return lines;
}

QDateTime toSecondResolution(const QDateTime& moment)
{
    if (!moment.isValid())
        return {};
    return QDateTime::fromSecsSinceEpoch(moment.toSecsSinceEpoch()).toLocalTime();
}
} // namespace

TRDPFile::TRDPFile(const QString& fileName)
    : FileName(fileName)
{}

TExpected<std::unique_ptr<TRDPFile>> TRDPFile::Create(const QString& fileName)
{
    auto record = std::make_unique<TRDPFile>(fileName);
    if (QFile::exists(fileName)) {
        if (TStatus status = record->Load(); !status)
            return status;
    }
    return record;
}

void TRDPFile::SetDefaults()
{
    for (const KeyRow& row : kKeys) {
        if (row.intField)
            this->*row.intField = row.defaultValue;
        else if (row.textField)
            (this->*row.textField).clear();
    }
    Tags.clear();
}

TStatus TRDPFile::Load()
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        return TStatus::Failure(QStringLiteral("Cannot read file \"%1\": %2").arg(FileName, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return TStatus::Failure(QStringLiteral("Cannot read file \"%1\": %2").arg(FileName, file.errorString()));

    QDateTime created = toSecondResolution(file.fileTime(QFileDevice::FileBirthTime));
    const QDateTime modified = toSecondResolution(file.fileTime(QFileDevice::FileModificationTime));
    // Not every file system records a birth time; the modification time is the best stand-in then.
    if (!created.isValid())
        created = modified;
    if (created.isValid() && modified.isValid()) {
        CreationTime = created;
        LastWriteTime = modified;
    } else {
        CreationTime = QDateTime();
        LastWriteTime = QDateTime();
    }
    return LoadFromBytes(bytes);
}

TStatus TRDPFile::LoadFromBytes(const QByteArray& bytes)
{
    SetDefaults();
    // Files we write are UTF-16LE; anything else comes out of that pass as one garbled line.
    Lines = splitLines(TTextCodec::decodeUtf16LE(bytes));
    if (Lines.size() == 1)
        Lines = splitLines(TTextCodec::decodeDetected(bytes));

    const QHash<QString, int>& index = keyIndex();
    for (const QString& line : std::as_const(Lines)) {
        const qsizetype first = line.indexOf(u':');
        if (first < 0)
            continue;
        const qsizetype second = line.indexOf(u':', first + 1);
        if (second < 0)
            continue;
        const auto found = index.constFind(TAscii::lower(QStringView(line).first(first)));
        if (found == index.cend())
            continue;
        const KeyRow& row = kKeys[found.value()];
        const QStringView value = QStringView(line).sliced(second + 1);
        switch (row.type) {
        case KeyType::Text:
            this->*row.textField = value.toString();
            break;
        case KeyType::TagList:
            Tags = TextToTags(value.toString());
            break;
        case KeyType::Integer: {
            const std::optional<int> number = parseInteger(value);
            if (!number) {
                return TStatus::Failure(QStringLiteral("Invalid number \"%1\" for key \"%2\" in file \"%3\"")
                                            .arg(value.toString(), QLatin1String(row.key), FileName));
            }
            this->*row.intField = *number;
            break;
        }
        }
    }
    return {};
}

TStatus TRDPFile::Save()
{
    LastWriteTime = QDateTime::currentDateTime();
    return SaveAs(FileName);
}

QByteArray TRDPFile::ToBytes()
{
    Lines.clear();
    for (int i = 0; i < KeyCount(); ++i) {
        const KeyRow& row = kKeys[i];
        bool written = false;
        switch (row.type) {
        case KeyType::Text:
            written = !(this->*row.textField).isEmpty();
            break;
        case KeyType::TagList:
            written = !Tags.isEmpty();
            break;
        case KeyType::Integer:
            written = this->*row.intField != kUnset || qstrcmp(row.key, kAlwaysWritten) == 0;
            break;
        }
        if (!written)
            continue;
        const char typeLetter = row.type == KeyType::Integer ? 'i' : 's';
        Lines.append(QLatin1String(row.key) + u':' + QLatin1Char(typeLetter) + u':' + ValueText(i));
    }
    QString text;
    for (const QString& line : std::as_const(Lines))
        text += line + QLatin1String("\r\n");
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

TStatus TRDPFile::SaveAs(const QString& path)
{
    const QString oldFileName = FileName;
    FileName = path;
    if (oldFileName != path && m_fileNameObserver)
        m_fileNameObserver(oldFileName);
    return TAtomicFile::write(path, ToBytes());
}

QString TRDPFile::GetText() const
{
    QString text;
    for (const QString& line : Lines)
        text += line + QLatin1String("\r\n");
    return text;
}

QString TRDPFile::GetFolder() const
{
    return TPath::folder(FileName);
}

int TRDPFile::KeyCount()
{
    return int(kKeys.size());
}

TRDPFile::KeyInfo TRDPFile::Key(int index)
{
    return {kKeys[index].key, kKeys[index].type};
}

QString TRDPFile::ValueText(int index) const
{
    const KeyRow& row = kKeys[index];
    switch (row.type) {
    case KeyType::Text:
        return this->*row.textField;
    case KeyType::TagList:
        return TagsToText(Tags);
    case KeyType::Integer:
        return QString::number(this->*row.intField);
    }
    return {};
}

void TRDPFile::SetFileNameObserver(std::function<void(const QString&)> observer)
{
    m_fileNameObserver = std::move(observer);
}

QString TRDPFile::TagsToText(const QStringList& tags)
{
    return TDelimitedText::join(tags, u';');
}

QStringList TRDPFile::TextToTags(const QString& text)
{
    return TDelimitedText::split(text, u';');
}

int TRDPValue::TextToIntFlag(const QString& text)
{
    return TAscii::upper(text) == QLatin1String("TRUE") ? 1 : 0;
}
