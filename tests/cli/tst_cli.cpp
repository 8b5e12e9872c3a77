#include "../TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Result
{
    int exitCode = -1;
    QString out;
    QString err;
};

Result runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(VELMORA_CLI), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showPrintsEveryKeyInTableOrder()
    {
        const Result r = runCli({"show", QStringLiteral(VELMORA_TEST_DATA "/rdp/mstsc-utf16le-no-final-crlf.rdp")});
        QCOMPARE(r.exitCode, 0);
        const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 47);
        QCOMPARE(lines.first(), QStringLiteral("alternate shell=alternate shell"));
        QVERIFY(lines.contains(QStringLiteral("full address=testhostname.domain.com:9933")));
        QCOMPARE(lines.last(), QStringLiteral("tags="));
    }

    void rewriteUsesOurLayout()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("srv.rdp"));
        QVERIFY(TestFiles::write(path, "Full Address:s:srv01\nvendor key:s:dropped\n"));
        QCOMPARE(runCli({"rewrite", path}).exitCode, 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xFF\xFE"));
        const QString text =
            QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
        QVERIFY(text.contains(QLatin1String("full address:s:srv01\r\n")));
        QVERIFY(!text.contains(QLatin1String("vendor")));
    }

    void unreadableFilesFailWithOneLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing file") << "missing.rdp" << QByteArray();
        QTest::newRow("bad number") << "bad.rdp" << QByteArray("port:i:eighty\r\n");
    }
    void unreadableFilesFailWithOneLine()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (!content.isEmpty())
            QVERIFY(TestFiles::write(path, content));
        for (const char* command : {"show", "rewrite"}) {
            const Result r = runCli({QLatin1String(command), path});
            QCOMPARE(r.exitCode, 1);
            QCOMPARE(r.err.count(u'\n'), 1);
            QVERIFY2(r.err.contains(path), qPrintable(r.err));
        }
    }

    void scanPrintsTheTreeAndReportsBadFiles()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("A"));
        QVERIFY(TestFiles::write(dir.filePath("B/x.rdp"), "full address:s:x\n"));
        QVERIFY(TestFiles::write(dir.filePath("B/Y.RDP"), "full address:s:y\n"));
        QVERIFY(TestFiles::write(dir.filePath("B/bad.rdp"), "desktopwidth:i:wide\n"));
        QVERIFY(TestFiles::write(dir.filePath("z.rdp"), "full address:s:z\n"));
        const Result r = runCli({"scan", dir.path()});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("A/\nB/\n  x #1\n  Y #2\nz #3\n"));
        QCOMPARE(r.err.count(u'\n'), 1);
        QVERIFY(r.err.contains(dir.filePath("B/bad.rdp")));
    }

    void usage()
    {
        const Result r = runCli({"frobnicate"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.startsWith(QLatin1String("usage:")));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
