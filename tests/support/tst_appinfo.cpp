#include "support/TQVAppInfo.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestAppInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startDirIsTheExecutablesFolder()
    {
        QTemporaryDir dir;
        const TQVAppInfo info(dir.filePath(QStringLiteral("velmora")));
        QCOMPARE(info.StartDir(), dir.path() + u'/');
    }

    void unwritableFolderFallsBackToUserData()
    {
        // A folder that cannot be written to (here: one that is gone) must not become the start directory.
        QTemporaryDir data;
        const TQVAppInfo info(data.filePath(QStringLiteral("gone/velmora")), data.filePath(QStringLiteral("user")));
        QCOMPARE(info.StartDir(), data.filePath(QStringLiteral("user")) + u'/');
        QVERIFY(QFileInfo(data.filePath(QStringLiteral("user"))).isDir());
    }

    void versionText_data()
    {
        QTest::addColumn<int>("parts");
        QTest::addColumn<QString>("text");
        using A = TQVAppInfo;
        QTest::newRow("all four") << int(A::viMain | A::viSub | A::viRelease | A::viBuild) << "0.9.8.8";
        QTest::newRow("main and build") << int(A::viMain | A::viBuild) << "0.8";
        QTest::newRow("none") << 0 << "";
    }
    void versionText()
    {
        QFETCH(int, parts);
        QFETCH(QString, text);
        TQVAppInfo info(QStringLiteral("/tmp/velmora"));
        info.SetVersionInfo(TQVAppInfo::VersionParts(parts));
        QCOMPARE(info.VersionAsString(), text);
        QCOMPARE(info.ProductName(), QStringLiteral("Velmora"));
        QCOMPARE(info.ProductVersion(), QStringLiteral("1.0"));
    }

    void newerVersion_data()
    {
        QTest::addColumn<QList<int>>("version");
        QTest::addColumn<bool>("newer");
        QTest::newRow("next build") << QList<int>{0, 9, 8, 9} << true;
        QTest::newRow("next major") << QList<int>{1, 0, 0, 0} << true;
        QTest::newRow("same") << QList<int>{0, 9, 8, 8} << false;
        QTest::newRow("older release, bigger build") << QList<int>{0, 9, 7, 99} << false;
        QTest::newRow("numeric, not text") << QList<int>{0, 10, 0, 0} << true;
    }
    void newerVersion()
    {
        QFETCH(QList<int>, version);
        QFETCH(bool, newer);
        const TQVAppInfo info(QStringLiteral("/tmp/velmora"));
        QCOMPARE(info.IsNewerVersion(version[0], version[1], version[2], version[3]), newer);
    }
};

QTEST_GUILESS_MAIN(TestAppInfo)
#include "tst_appinfo.moc"
