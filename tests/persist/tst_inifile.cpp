#include "../TestFiles.h"
#include "persist/TIniFile.h"
#include "support/TDateFormat.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestIniFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("qvrd.ini")); }

private Q_SLOTS:
    void init() { QFile::remove(path()); }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("names ignore case") << QByteArray("[Main]\r\nTop=5\r\n") << "MAIN"
                                           << "top"
                                           << "5";
        QTest::newRow("blanks around names and value") << QByteArray(" [ MAIN ] \n  Top =  5  \n") << "MAIN"
                                                       << "Top"
                                                       << "5";
        QTest::newRow("double quotes removed") << QByteArray("[S]\nk=\" a \"\n") << "S"
                                               << "k"
                                               << " a ";
        QTest::newRow("single quotes removed") << QByteArray("[S]\nk='a'\n") << "S"
                                               << "k"
                                               << "a";
        QTest::newRow("only one pair removed") << QByteArray("[S]\nk=\"\"a\"\"\n") << "S"
                                               << "k"
                                               << "\"a\"";
        QTest::newRow("unmatched quotes kept") << QByteArray("[S]\nk=\"a'\n") << "S"
                                               << "k"
                                               << "\"a'";
        QTest::newRow("value holds equals signs") << QByteArray("[S]\nk=a=b\n") << "S"
                                                  << "k"
                                                  << "a=b";
        QTest::newRow("first duplicate wins") << QByteArray("[S]\nk=1\nK=2\n") << "S"
                                              << "k"
                                              << "1";
        QTest::newRow("missing key gives default") << QByteArray("[S]\nk=1\n") << "S"
                                                   << "x"
                                                   << "<default>";
        QTest::newRow("key before any section is no key") << QByteArray("k=1\n[S]\n") << "S"
                                                          << "k"
                                                          << "<default>";
        QTest::newRow("comment is no key") << QByteArray("[S]\n;k=1\n") << "S"
                                           << ";k"
                                           << "<default>";
        QTest::newRow("lone CR lines") << QByteArray("[S]\rk=1\r") << "S"
                                       << "k"
                                       << "1";
        QTest::newRow("Windows-1252 file") << QByteArray("[S]\r\nk=B\xFCro\r\n") << "S"
                                           << "k"
                                           << "Büro";
        QTest::newRow("UTF-8 file") << QByteArray("[S]\r\nk=B\xC3\xBCro\r\n") << "S"
                                    << "k"
                                    << "Büro";
        QTest::newRow("read limit") << "[S]\nk=" + QByteArray(3000, 'x') + "\n"
                                    << "S"
                                    << "k" << QString(2047, u'x');
    }
    void reading()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QVERIFY(TestFiles::write(path(), content));
        const TIniFile ini(path());
        QCOMPARE(ini.ReadString(section, key, QStringLiteral("<default>")), expected);
    }

    void integers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << "12" << 12;
        QTest::newRow("negative") << "-5" << -5;
        QTest::newRow("0x hex") << "0x1F" << 31;
        QTest::newRow("dollar hex") << "$ff" << 255;
        QTest::newRow("hex bit pattern") << "$FFFFFFFF" << -1;
        QTest::newRow("words give default") << "abc" << 7;
        QTest::newRow("empty gives default") << "" << 7;
        QTest::newRow("fraction gives default") << "1.5" << 7;
        QTest::newRow("prefix alone gives default") << "0x" << 7;
        QTest::newRow("double sign gives default") << "--5" << 7;
        QTest::newRow("beyond 32 bits gives default") << "99999999999" << 7;
    }
    void integers()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QVERIFY(TestFiles::write(path(), ("[S]\nk=" + text + "\n").toUtf8()));
        const TIniFile ini(path());
        QCOMPARE(ini.ReadInteger("S", "k", 7), expected);
        QCOMPARE(ini.ReadBool("S", "k", true), expected != 0);
    }

    void writesReplaceInPlaceAndAppendSections()
    {
        QVERIFY(TestFiles::write(path(), "; kept comment\r\n[A]\r\nx=1\r\nunknown=keep\r\n\r\n[B]\r\ny=2\r\n"));
        TIniFile ini(path());
        QVERIFY(ini.WriteString("a", "X", "9").ok());
        QCOMPARE(TestFiles::read(path()),
                 QByteArray("; kept comment\r\n[A]\r\nx=9\r\nunknown=keep\r\n\r\n[B]\r\ny=2\r\n"));
        QVERIFY(ini.WriteInteger("A", "new", 3).ok());
        QVERIFY(ini.WriteBool("C", "flag", true).ok());
        QCOMPARE(TestFiles::read(path()), QByteArray("; kept comment\r\n[A]\r\nx=9\r\nunknown=keep\r\nnew=3\r\n\r\n"
                                                     "[B]\r\ny=2\r\n[C]\r\nflag=1\r\n"));
        QCOMPARE(ini.ReadSection("a"), (QStringList{"x", "unknown", "new"}));
    }

    void lfFilesStayLf()
    {
        QVERIFY(TestFiles::write(path(), "[A]\nx=1\n"));
        TIniFile ini(path());
        QVERIFY(ini.WriteString("A", "y", "2").ok());
        QCOMPARE(TestFiles::read(path()), QByteArray("[A]\nx=1\ny=2\n"));
    }

    void eraseAndRewriteSections()
    {
        QVERIFY(TestFiles::write(path(), "[A]\r\na=1\r\n[B]\r\nb=1\r\n[C]\r\nc=1\r\n"));
        TIniFile ini(path());
        QVERIFY(ini.EraseSection("b").ok());
        QVERIFY(!ini.SectionExists("B"));
        QVERIFY(ini.WriteSection("A", {{"Task", "one"}, {"TASK", "two"}, {"Other", " padded "}}).ok());
        QVERIFY(ini.WriteSection("Empty", {}).ok());
        QCOMPARE(TestFiles::read(path()),
                 QByteArray("[A]\r\nTask=two\r\nOther=\" padded \"\r\n[C]\r\nc=1\r\n[Empty]\r\n"));
        const TIniFile reread(path());
        QCOMPARE(reread.ReadString("A", "other", {}), QStringLiteral(" padded "));
        QVERIFY(reread.SectionExists("empty"));
        QVERIFY(reread.ReadSection("empty").isEmpty());
    }

    void valuesReadBackAsWritten_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("plain") << "abc"
                               << "abc";
        QTest::newRow("separator blank") << " "
                                         << " ";
        QTest::newRow("enclosed in quotes") << "\"x\""
                                            << "\"x\"";
        QTest::newRow("line break becomes blank") << "a\nb"
                                                  << "a b";
        QTest::newRow("empty") << ""
                               << "";
    }
    void valuesReadBackAsWritten()
    {
        QFETCH(QString, value);
        QFETCH(QString, readBack);
        TIniFile ini(path());
        QVERIFY(ini.WriteString("S", "k", value).ok());
        QVERIFY(ini.WriteString("S", "after", "1").ok());
        const TIniFile reread(path());
        QCOMPARE(reread.ReadString("S", "k", "<default>"), readBack);
        QCOMPARE(reread.ReadString("S", "after", {}), QStringLiteral("1"));
    }

    void batchedWritesReachTheFileOnce()
    {
        TIniFile ini(path());
        ini.BeginUpdate();
        QVERIFY(ini.WriteString("S", "a", "1").ok());
        QVERIFY(!QFile::exists(path()));
        QVERIFY(ini.EndUpdate().ok());
        QCOMPARE(TestFiles::read(path()), QByteArray("[S]\r\na=1\r\n"));
    }

    void dates()
    {
        const TDateFormat format(QLocale::c());
        TIniFile ini(path());
        QVERIFY(ini.WriteDate("H", "/x.rdp", QDate(2026, 12, 10), format).ok());
        QVERIFY(ini.WriteString("H", "/y.rdp", "not a date").ok());
        QCOMPARE(ini.ReadDate("H", "/x.rdp", format), QDate(2026, 12, 10));
        QVERIFY(!ini.ReadDate("H", "/y.rdp", format).isValid());
        QVERIFY(!ini.ReadDate("H", "/z.rdp", format).isValid());
    }

    void failuresNameTheFile()
    {
        const QString inMissingFolder = m_dir.filePath(QStringLiteral("gone/qvrd.ini"));
        TIniFile ini(inMissingFolder);
        const TStatus status = ini.WriteString("S", "k", "v");
        QVERIFY(!status.ok());
        QVERIFY(status.error().contains(inMissingFolder));

        // A file that cannot be read is never replaced by what little we know of it.
        const QString unreadable = m_dir.filePath(QStringLiteral("folder.ini"));
        QDir().mkpath(unreadable);
        TIniFile broken(unreadable);
        QVERIFY(!broken.LoadError().isEmpty());
        QVERIFY(!broken.WriteString("S", "k", "v").ok());
        QVERIFY(QFileInfo(unreadable).isDir());
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
