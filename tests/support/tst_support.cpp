#include "support/TAscii.h"
#include "support/TDateFormat.h"
#include "support/TDelimitedText.h"
#include "support/TFileMove.h"
#include "support/TPath.h"
#include "support/TTextCodec.h"

#include "../TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

class TestSupport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void connectionName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("last dot only") << "/srv/web.01.rdp"
                                       << "web.01";
        QTest::newRow("no dot keeps whole name") << "/srv/server"
                                                 << "server";
        QTest::newRow("file named .rdp is empty") << "/srv/.rdp"
                                                  << "";
        QTest::newRow("dot in folder is not an extension") << "/a.b/server"
                                                           << "server";
        QTest::newRow("no folder") << "a.b.rdp"
                                   << "a.b";
    }
    void connectionName()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(TPath::connectionName(path), name);
    }

    void folderAndExtension()
    {
        QCOMPARE(TPath::folder(u"/a/b/c.rdp"), QStringLiteral("/a/b/"));
        QCOMPARE(TPath::folder(u"c.rdp"), QString());
        QCOMPARE(TPath::asciiLowerExtension(u"A.RDP"), QStringLiteral("rdp"));
        QCOMPARE(TPath::asciiLowerExtension(u"rdp"), QString());
        QCOMPARE(TPath::withoutTrailingDelimiter(QStringLiteral("/x//")), QStringLiteral("/x"));
        QCOMPARE(TPath::withoutTrailingDelimiter(QStringLiteral("/")), QStringLiteral("/"));
    }

    void asciiFolding()
    {
        QCOMPARE(TAscii::upper(u"srv-ä-ß"), QStringLiteral("SRV-ä-ß"));
        QCOMPARE(TAscii::lower(u"Full ADDRESS Ä"), QStringLiteral("full address Ä"));
        QVERIFY(TAscii::containsFolded(u"srv01.example", u"SRV"));
        QVERIFY(!TAscii::containsFolded(u"ä", u"Ä"));
        QVERIFY(TAscii::containsFolded(u"anything", u""));
        QVERIFY(!TAscii::containsFolded(u"ab", u"ABC"));
    }

    void delimitedSplit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("empty value gives no entries") << "" << QStringList();
        QTest::newRow("blanks separate like the delimiter") << "web server" << QStringList{"web", "server"};
        QTest::newRow("quoted entry keeps its blank") << "\"web server\";db" << QStringList{"web server", "db"};
        QTest::newRow("empty entry between delimiters") << "a;;b" << QStringList{"a", "", "b"};
        QTest::newRow("delimiter at the very end adds an empty entry") << "a;" << QStringList{"a", ""};
        QTest::newRow("two quotes are one empty entry") << "\"\"" << QStringList{""};
        QTest::newRow("doubled quote inside quotes") << "\"say \"\"hi\"\"\"" << QStringList{"say \"hi\""};
        QTest::newRow("unterminated quote runs to the end") << "\"open;x" << QStringList{"open;x"};
        QTest::newRow("leading blanks skipped") << "  \ta; b" << QStringList{"a", "b"};
        QTest::newRow("tab ends an entry") << "a\tb" << QStringList{"a", "b"};
        QTest::newRow("text after a closing quote is a new entry") << "\"ab\"cd" << QStringList{"ab", "cd"};
        QTest::newRow("NUL ends the text") << QString::fromUtf16(u"a;b\0c", 5) << QStringList{"a", "b"};
    }
    void delimitedSplit()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, entries);
        QCOMPARE(TDelimitedText::split(text, u';'), entries);
    }

    void delimitedJoin_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty list") << QStringList() << "";
        QTest::newRow("one empty entry") << QStringList{""} << "\"\"";
        QTest::newRow("blank is quoted") << QStringList{"web server", "db"} << "\"web server\";db";
        QTest::newRow("quote doubled") << QStringList{"a\"b"} << "\"a\"\"b\"";
        QTest::newRow("delimiter quoted") << QStringList{"a;b"} << "\"a;b\"";
        QTest::newRow("control character quoted") << QStringList{"a\tb"} << "\"a\tb\"";
        QTest::newRow("empty entries among others stay bare") << QStringList{"a", "", "b"} << "a;;b";
        QTest::newRow("accented letters stay bare") << QStringList{"Büro"} << "Büro";
    }
    void delimitedJoin()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, text);
        QCOMPARE(TDelimitedText::join(entries, u';'), text);
        QCOMPARE(TDelimitedText::split(text, u';'), entries);
    }

    void textDetection_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-16LE BOM") << QByteArray("\xFF\xFE"
                                                    "a\0\xE4\0",
                                                    6)
                                      << QStringLiteral("aä");
        QTest::newRow("UTF-16BE BOM") << QByteArray("\xFE\xFF\0a\0\xE4", 6) << QStringLiteral("aä");
        QTest::newRow("UTF-8 BOM") << QByteArray("\xEF\xBB\xBF"
                                                 "a\xC3\xA4")
                                   << QStringLiteral("aä");
        QTest::newRow("valid UTF-8 without BOM") << QByteArray("a\xC3\xA4") << QStringLiteral("aä");
        QTest::newRow("invalid UTF-8 is Windows-1252") << QByteArray("a\xE4 \x80\x9F") << QStringLiteral("aä €Ÿ");
    }
    void textDetection()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TTextCodec::decodeDetected(bytes), text);
    }

    void moves()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        QVERIFY(TestFiles::write(root + "/web.rdp", "a"));
        QVERIFY(TestFiles::write(root + "/Prod/web.rdp", "b"));
        QVERIFY(TestFiles::write(root + "/Prod/Web/x.rdp", "c"));

        // A file of the same name is never replaced.
        QVERIFY(!TFileMove::MoveInto(root + "/web.rdp", root + "/Prod").ok());
        QCOMPARE(TestFiles::read(root + "/Prod/web.rdp"), QByteArray("b"));
        QCOMPARE(TestFiles::read(root + "/web.rdp"), QByteArray("a"));

        // Into a folder that does not exist yet.
        QVERIFY(TFileMove::MoveInto(root + "/web.rdp", root + "/Test/New").ok());
        QCOMPARE(TestFiles::read(root + "/Test/New/web.rdp"), QByteArray("a"));

        // A folder into its own subfolder, or into itself, is refused.
        QVERIFY(!TFileMove::MoveInto(root + "/Prod", root + "/Prod/Web").ok());
        QVERIFY(!TFileMove::MoveInto(root + "/Prod", root + "/Prod").ok());
        QVERIFY(TFileMove::MoveInto(root + "/Prod/Web", root + "/Test").ok());
        QCOMPARE(TestFiles::read(root + "/Test/Web/x.rdp"), QByteArray("c"));
        QVERIFY(!TFileMove::MoveInto(root + "/missing.rdp", root + "/Test").ok());
    }

    void dates()
    {
        const TDateFormat format(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(format.shortDateFormat().contains(QLatin1String("yyyy")));
        const QDate day(2026, 12, 11);
        QCOMPARE(format.parseShortDate(format.formatShortDate(day)), day);
        QCOMPARE(format.parseShortDate(QStringLiteral("2026-12-11")), day);
        QCOMPARE(format.parseShortDate(QStringLiteral("11.12.26")), QDate(1926, 12, 11));
        QVERIFY(!format.parseShortDate(QStringLiteral("yesterday")).isValid());
        QCOMPARE(format.formatTimestamp(QDateTime(day, QTime(0, 0))), format.formatShortDate(day));
        QCOMPARE(format.formatTimestamp(QDateTime(day, QTime(9, 5, 7))), format.formatShortDate(day) + " 09:05:07");
    }
};

QTEST_GUILESS_MAIN(TestSupport)
#include "tst_support.moc"
