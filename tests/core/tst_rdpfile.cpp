#include "../TestFiles.h"
#include "core/TRDPFile.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {
QByteArray utf16le(const QString& text, bool bom = true)
{
    QStringEncoder encoder(QStringConverter::Utf16LE,
                           bom ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder.encode(text);
}

QByteArray utf16be(const QString& text)
{
    QStringEncoder encoder(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

QString value(const TRDPFile& record, const char* key)
{
    for (int i = 0; i < TRDPFile::KeyCount(); ++i) {
        if (qstrcmp(TRDPFile::Key(i).key, key) == 0)
            return record.ValueText(i);
    }
    qFatal("unknown key %s", key);
}

TRDPFile parsed(const QByteArray& bytes)
{
    TRDPFile record(QStringLiteral("/fixture.rdp"));
    const TStatus status = record.LoadFromBytes(bytes);
    if (!status)
        qWarning("%s", qPrintable(status.error()));
    return record;
}

} // namespace

class TestRDPFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("lineCount");
        const QString lines = QStringLiteral("full address:s:srv01\r\ndescription:s:Büro €\r\nsession bpp:i:32");
        QTest::newRow("UTF-16LE with final CR LF") << utf16le(lines + "\r\n") << "Büro €" << 3;
        QTest::newRow("UTF-16LE without final CR LF") << utf16le(lines) << "Büro €" << 3;
        QTest::newRow("UTF-16LE without BOM") << utf16le(lines, false) << "Büro €" << 3;
        QTest::newRow("UTF-16BE with BOM") << utf16be(lines) << "Büro €" << 3;
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + lines.toUtf8() << "Büro €" << 3;
        QTest::newRow("UTF-8 without BOM, LF") << QString(lines).replace("\r\n", "\n").toUtf8() << "Büro €" << 3;
        QTest::newRow("Windows-1252 bytes above 127")
            << QByteArray("full address:s:srv01\r\ndescription:s:B\xFCro \x80\r\nsession bpp:i:32\r\n") << "Büro €"
            << 3;
        QTest::newRow("lone CR breaks") << QString(lines).replace("\r\n", "\r").toUtf8() << "Büro €" << 3;
        QTest::newRow("NUL ends the text") << utf16le(lines + QChar(0) + "\r\nport:i:1\r\n") << "Büro €" << 3;
    }
    void encodings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, description);
        QFETCH(int, lineCount);
        const TRDPFile record = parsed(bytes);
        QCOMPARE(record.FullAddress, QStringLiteral("srv01"));
        QCOMPARE(record.Description, description);
        QCOMPARE(record.SessionBpp, 32);
        QCOMPARE(record.Port, 3389);
        QCOMPARE(record.Lines.size(), lineCount);
    }

    void lineRules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("key case folded, type letter ignored")
            << "Full Address:S:srv01" << QByteArray("full address") << "srv01";
        QTest::newRow("integer key with type s") << "port:s:3390" << QByteArray("port") << "3390";
        QTest::newRow("text key with type i") << "username:i:admin" << QByteArray("username") << "admin";
        QTest::newRow("leading blank is no key") << " port:i:3390" << QByteArray("port") << "3389";
        QTest::newRow("equals sign is no separator") << "port=3390" << QByteArray("port") << "3389";
        QTest::newRow("value keeps its colons")
            << "full address:s:host:3390" << QByteArray("full address") << "host:3390";
        QTest::newRow("value keeps trailing blanks") << "username:s:bob  " << QByteArray("username") << "bob  ";
        QTest::newRow("blanks around a number") << "port:i: 3390 " << QByteArray("port") << "3390";
        QTest::newRow("true is 1") << "compression:i:TRUE" << QByteArray("compression") << "1";
        QTest::newRow("false is 0") << "redirectdrives:i:False" << QByteArray("redirectdrives") << "0";
        QTest::newRow("negative number") << "audiomode:i:-1" << QByteArray("audiomode") << "-1";
        QTest::newRow("last occurrence wins") << "port:i:1\nport:i:2" << QByteArray("port") << "2";
        QTest::newRow("non-ASCII letters are not folded") << "DOMAİN:s:x" << QByteArray("domain") << "";
        QTest::newRow("one colon only") << "full address:srv" << QByteArray("full address") << "";
        QTest::newRow("tags read as tag-list text")
            << "tags:s:\"web server\";db" << QByteArray("tags") << "\"web server\";db";
        QTest::newRow("unknown key dropped") << "vendor integer:i:123" << QByteArray("port") << "3389";
    }
    void lineRules()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, key);
        QFETCH(QString, expected);
        QCOMPARE(value(parsed(text.toUtf8()), key.constData()), expected);
    }

    void conversionErrors_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("letters") << "desktopwidth:i:abc";
        QTest::newRow("empty value") << "port:i:";
        QTest::newRow("decimal point") << "port:i:3.5";
        QTest::newRow("beyond 32 bits") << "port:i:4294967296";
        QTest::newRow("sign alone") << "port:i:-";
    }
    void conversionErrors()
    {
        QFETCH(QString, line);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.rdp"));
        QVERIFY(TestFiles::write(path, ("full address:s:x\r\n" + line + "\r\n").toUtf8()));
        const auto record = TRDPFile::Create(path);
        QVERIFY(!record.ok());
        const QString key = line.section(u':', 0, 0);
        const QString bad = line.section(u':', 2);
        QVERIFY2(record.error().contains(path) && record.error().contains(key) &&
                     record.error().contains(u'"' + bad + u'"'),
                 qPrintable(record.error()));
    }

    void missingFileGivesDefaults()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("new.rdp"));
        auto record = TRDPFile::Create(path);
        QVERIFY(record.ok());
        TRDPFile& file = *record.value();
        QVERIFY(file.Lines.isEmpty());
        QVERIFY(!file.CreationTime.isValid() && !file.LastWriteTime.isValid());
        QCOMPARE(file.Port, 3389);
        QCOMPARE(file.SessionBpp, 16);
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        QVERIFY(file.Save().ok());
        QVERIFY(QFile::exists(path));
        QVERIFY(file.LastWriteTime >= before);
        QCOMPARE(file.GetFolder(), dir.path() + u'/');
    }

    void defaultsWriteExactlyTheIntegerKeys()
    {
        TRDPFile record;
        const QByteArray bytes = record.ToBytes();
        QVERIFY(bytes.startsWith("\xFF\xFE"));
        QCOMPARE(record.Lines.size(), 37);
        QCOMPARE(record.Lines.first(), QStringLiteral("audiomode:i:0"));
        QCOMPARE(record.Lines.last(), QStringLiteral("autoexpand:i:1"));
        QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2),
                 record.GetText());
        QVERIFY(record.GetText().endsWith(QLatin1String("autoexpand:i:1\r\n")));
        QCOMPARE(record.GetText().count(QLatin1String("\r\n")), 37);
    }

    void unsetIntegersAreNotWrittenButAutoExpandIs()
    {
        TRDPFile record;
        record.AudioMode = -1;
        record.AutoExpand = -1;
        record.AlternateShell = QStringLiteral("cmd");
        record.ToBytes();
        QCOMPARE(record.Lines.first(), QStringLiteral("alternate shell:s:cmd"));
        QVERIFY(!record.GetText().contains(QLatin1String("audiomode")));
        QCOMPARE(record.Lines.last(), QStringLiteral("autoexpand:i:-1"));
    }

    void everyKeyRoundTrips()
    {
        QTemporaryDir dir;
        TRDPFile record;
        QString text;
        for (int i = 0; i < TRDPFile::KeyCount(); ++i) {
            const bool integer = TRDPFile::Key(i).type == TRDPFile::KeyType::Integer;
            text += QStringLiteral("%1:s:%2\n")
                        .arg(QLatin1String(TRDPFile::Key(i).key),
                             integer ? QString::number(100 + i) : QStringLiteral("v%1: x").arg(i));
        }
        QVERIFY(record.LoadFromBytes(text.toUtf8()).ok());
        QCOMPARE(record.Port, 119);
        QCOMPARE(record.Alias, QStringLiteral("v45: x"));
        record.Tags = QStringList{"web server", "db", "", "quote\"d", "semi;colon"};
        record.SessionBpp = 24;
        const QString path = dir.filePath(QStringLiteral("all.rdp"));
        QVERIFY(record.SaveAs(path).ok());
        auto reread = TRDPFile::Create(path);
        QVERIFY(reread.ok());
        for (int i = 0; i < TRDPFile::KeyCount(); ++i)
            QCOMPARE(reread.value()->ValueText(i), record.ValueText(i));
        QCOMPARE(reread.value()->Tags, record.Tags);
        QCOMPARE(reread.value()->Lines, record.Lines);
        QCOMPARE(reread.value()->Lines.size(), 47);
    }

    void failedSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("keep.rdp"));
        QVERIFY(TestFiles::write(path, "full address:s:old\r\n"));
        TRDPFile record(path);
        record.Description = QString(4000, u'x');

        // A file-size limit makes the write fail half-way, as a full disk would.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 1024;
        setrlimit(RLIMIT_FSIZE, &small);
        const TStatus status = record.SaveAs(path);
        setrlimit(RLIMIT_FSIZE, &old);

        QVERIFY(!status.ok());
        QVERIFY(status.error().contains(path));
        QCOMPARE(TestFiles::read(path), QByteArray("full address:s:old\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.rdp"});
    }

    void saveIntoMissingFolderFails()
    {
        QTemporaryDir dir;
        TRDPFile record;
        QVERIFY(!record.SaveAs(dir.filePath(QStringLiteral("missing/x.rdp"))).ok());
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
    }

    void realWorldFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("mstsc UTF-16 address")
            << "mstsc-utf16le-no-final-crlf.rdp" << QByteArray("full address") << "testhostname.domain.com:9933";
        QTest::newRow("mstsc UTF-16 last line")
            << "mstsc-utf16le-no-final-crlf.rdp" << QByteArray("authentication level") << "2";
        QTest::newRow("mstsc UTF-16 bpp") << "mstsc-utf16le-no-final-crlf.rdp" << QByteArray("session bpp") << "24";
        QTest::newRow("mstsc UTF-16 domain")
            << "mstsc-utf16le-no-final-crlf.rdp" << QByteArray("domain") << "myspecialdomain";
        QTest::newRow("UTF-8 BOM shell") << "utf8-bom-lf.rdp" << QByteArray("alternate shell") << "rdpinit.exe";
        QTest::newRow("UTF-8 BOM screen mode") << "utf8-bom-lf.rdp" << QByteArray("screen mode id") << "2";
        QTest::newRow("ASCII LF keeps trailing blank")
            << "ascii-lf-trailing-blanks.rdp" << QByteArray("full address") << "51.144.78.25:3389 ";
        QTest::newRow("ASCII LF integer with trailing blank")
            << "ascii-lf-trailing-blanks.rdp" << QByteArray("prompt for credentials") << "1";
        QTest::newRow("ASCII LF last line without break")
            << "ascii-lf-trailing-blanks.rdp" << QByteArray("username") << "azureadm";
        QTest::newRow("duplicate key") << "ascii-crlf-duplicate-key.rdp" << QByteArray("autoreconnection enabled")
                                       << "0";
        QTest::newRow("CR LF width") << "ascii-crlf-duplicate-key.rdp" << QByteArray("desktopwidth") << "1920";
        QTest::newRow("binary type line skipped") << "binary-type-line.rdp" << QByteArray("domain") << "solar";
        QTest::newRow("malformed address line ignored") << "malformed-lines.rdp" << QByteArray("full address") << "";
        QTest::newRow("malformed file still read") << "malformed-lines.rdp" << QByteArray("desktopwidth") << "100";
    }
    void realWorldFiles()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, key);
        QFETCH(QString, expected);
        auto record = TRDPFile::Create(QStringLiteral(VELMORA_TEST_DATA "/rdp/") + file);
        QVERIFY2(record.ok(), qPrintable(record.error()));
        QCOMPARE(value(*record.value(), key.constData()), expected);
        QVERIFY(record.value()->LastWriteTime.isValid() && record.value()->CreationTime.isValid());
    }

    void valueHelpers()
    {
        QCOMPARE(TRDPValue::TextToIntFlag(QStringLiteral("True")), 1);
        QCOMPARE(TRDPValue::TextToIntFlag(QStringLiteral("TRUE")), 1);
        QCOMPARE(TRDPValue::TextToIntFlag(QStringLiteral("1")), 0);
        QCOMPARE(TRDPValue::TextToIntFlag(QStringLiteral(" true")), 0);
        QVERIFY(TRDPValue::IntToBool(-1));
        QVERIFY(!TRDPValue::IntToBool(0));
        QCOMPARE(TRDPValue::BoolToInt(true), 1);
        QCOMPARE(TRDPValue::BoolToText(false), QStringLiteral("false"));
    }
};

QTEST_GUILESS_MAIN(TestRDPFile)
#include "tst_rdpfile.moc"
