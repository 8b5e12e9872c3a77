#include "../TestFiles.h"
#include "persist/TEventLog.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<TLogLevel>)

namespace {
TEventLog* pinnedLog(QObject* parent)
{
    auto* log = new TEventLog(parent);
    log->SetDateFormat(TDateFormat(QLocale::c()));
    log->SetClock([] { return QDateTime(QDate(2026, 12, 11), QTime(12, 30, 5)); });
    return log;
}
} // namespace

class TestEventLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("read");
        QTest::addColumn<std::optional<TLogLevel>>("level");
        QTest::addColumn<QStringList>("fields");
        using L = std::optional<TLogLevel>;
        QTest::newRow("written line") << "START;11/12/2026 12:00:00;;Application Start;" << true << L(TLogLevel::Start)
                                      << QStringList{"11/12/2026 12:00:00", "", "Application Start", ""};
        QTest::newRow("semicolon shifts the fields")
            << "INFO;t;srv;a;b;c" << true << L(TLogLevel::Info) << QStringList{"t", "srv", "a", "b"};
        QTest::newRow("middle dot comes back as blank")
            << "INFO;t;s;a·b;" << true << L(TLogLevel::Info) << QStringList{"t", "s", "a b", ""};
        QTest::newRow("tab splits a field")
            << "INFO;t;s;a\tb;" << true << L(TLogLevel::Info) << QStringList{"t", "s", "a", "b"};
        QTest::newRow("unknown level word") << "info;t;s;m;d" << true << L() << QStringList{"t", "s", "m", "d"};
        QTest::newRow("four fields read with empty details")
            << "ERROR;t;s;m" << true << L(TLogLevel::Error) << QStringList{"t", "s", "m", ""};
        QTest::newRow("quoted field keeps its semicolon")
            << "ERROR;t;s;\"a;b \"\"c\"\"\";d" << true << L(TLogLevel::Error)
            << QStringList{"t", "s", "a;b \"c\"", "d"};
        QTest::newRow("three fields are skipped") << "INFO;t;s" << false << L() << QStringList();
        QTest::newRow("empty line is skipped") << "" << false << L() << QStringList();
    }
    void parseLine()
    {
        QFETCH(QString, line);
        QFETCH(bool, read);
        QFETCH(std::optional<TLogLevel>, level);
        QFETCH(QStringList, fields);
        const std::optional<TLogEntry> entry = TLogFileFormat::ParseLine(line);
        QCOMPARE(entry.has_value(), read);
        if (!entry)
            return;
        QCOMPARE(entry->Level, level);
        QCOMPARE((QStringList{entry->Timestamp, entry->Server, entry->Message, entry->Details}), fields);
    }

    void entriesSurviveSaveAndReload_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("plain with blanks") << "Connection Settings changed"
                                           << "Connection Settings changed";
        QTest::newRow("semicolon") << "a;b"
                                   << "a;b";
        QTest::newRow("double quote") << "say \"hi\""
                                      << "say \"hi\"";
        QTest::newRow("tab") << "a\tb"
                             << "a\tb";
        QTest::newRow("leading quote") << "\"x"
                                       << "\"x";
        QTest::newRow("line break becomes blank") << "a\r\nb"
                                                  << "a  b";
        QTest::newRow("empty") << ""
                               << "";
    }
    void entriesSurviveSaveAndReload()
    {
        QFETCH(QString, text);
        QFETCH(QString, readBack);
        for (int level = 0; level <= 6; ++level) {
            const TLogEntry entry{text, text, text, text, TLogLevel(level)};
            const std::optional<TLogEntry> parsed = TLogFileFormat::ParseLine(TLogFileFormat::FormatLine(entry));
            QVERIFY(parsed);
            QCOMPARE(*parsed, (TLogEntry{readBack, readBack, readBack, readBack, TLogLevel(level)}));
        }
    }

    void firstStartAndShutdown()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("qvrd.log"));
        TEventLog* log = pinnedLog(this);
        QAbstractItemModelTester tester(log);
        QVERIFY(log->LoadLog(path).isEmpty());
        QCOMPARE(TestFiles::read(path), QByteArray());
        log->AddLog({}, QStringLiteral("Application Start"), {}, TLogLevel::Start);
        log->AddLog(QStringLiteral("web"), QStringLiteral("Connected"), QStringLiteral("0"), TLogLevel::Connecting);
        log->AddLog({}, QStringLiteral("Application Stop"), {}, TLogLevel::Stop);
        QCOMPARE(log->rowCount(), 3);
        QCOMPARE(log->index(0, TEventLog::MessageColumn).data().toString(), QStringLiteral("Application Stop"));
        QCOMPARE(log->index(0, 0).data(TEventLog::ImageIndexRole).toInt(), 47);
        QCOMPARE(log->index(1, 0).data(TEventLog::ImageIndexRole).toInt(), 2);
        QVERIFY(log->SaveLog(path).ok());
        const QString stamp = TDateFormat(QLocale::c()).formatShortDate(QDate(2026, 12, 11)) + " 12:30:05";
        QCOMPARE(QString::fromUtf8(TestFiles::read(path)), QString("STOP;%1;;Application Stop;\r\n"
                                                                   "CONNECTING;%1;web;Connected;0\r\n"
                                                                   "START;%1;;Application Start;\r\n")
                                                               .arg(stamp));

        TEventLog* reread = pinnedLog(this);
        QVERIFY(reread->LoadLog(path).isEmpty());
        QCOMPARE(reread->Entries(), log->Entries());
    }

    void unknownLevelIsWrittenWithoutWord()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("qvrd.log"));
        QVERIFY(TestFiles::write(path, "info;t;web;m;d\nINFO;t\n"));
        TEventLog* log = pinnedLog(this);
        QVERIFY(log->LoadLog(path).isEmpty());
        QCOMPARE(log->rowCount(), 1);
        QVERIFY(!log->index(0, 0).data(TEventLog::HasLevelRole).toBool());
        QCOMPARE(log->index(0, 0).data(TEventLog::ImageIndexRole).toInt(), -1);
        QVERIFY(log->SaveLog(path).ok());
        QCOMPARE(TestFiles::read(path), QByteArray(";t;web;m;d\r\n"));
    }

    void fileErrors()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("gone/qvrd.log"));
        TEventLog* log = pinnedLog(this);
        QCOMPARE(log->LoadLog(missing), (QStringList{"Error creating LOG File \"" + missing + "\"!",
                                                     "Error reading LOG File \"" + missing + "\"!"}));
        log->AddLog({}, QStringLiteral("x"), {}, TLogLevel::Info);
        const TStatus saved = log->SaveLog(missing);
        QVERIFY(!saved.ok());
        QCOMPARE(saved.error(), "Error saving LOG File \"" + missing + "\"!");
    }

    void balloons_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("kind");
        QTest::newRow("info when enabled") << int(TLogLevel::Info) << true << int(TBalloonKind::Information);
        QTest::newRow("warning when enabled") << int(TLogLevel::Warning) << true << int(TBalloonKind::Warning);
        QTest::newRow("error when enabled") << int(TLogLevel::Error) << true << int(TBalloonKind::Error);
        QTest::newRow("disconnecting when enabled")
            << int(TLogLevel::Disconnecting) << true << int(TBalloonKind::Information);
        QTest::newRow("start never") << int(TLogLevel::Start) << true << -1;
        QTest::newRow("stop never") << int(TLogLevel::Stop) << true << -1;
        QTest::newRow("error when disabled") << int(TLogLevel::Error) << false << -1;
    }
    void balloons()
    {
        QFETCH(int, level);
        QFETCH(bool, enabled);
        QFETCH(int, kind);
        TEventLog* log = pinnedLog(this);
        log->SetBalloonsEnabled([enabled] { return enabled; });
        QSignalSpy spy(log, &TEventLog::balloonRequested);
        log->AddLog(QStringLiteral("web"), QStringLiteral("Disconnected"), {}, TLogLevel(level));
        QCOMPARE(spy.size(), kind < 0 ? 0 : 1);
        if (kind >= 0) {
            QCOMPARE(spy[0][0].toString(), QStringLiteral("Velmora Connection Manager"));
            QCOMPARE(spy[0][1].toString(), QStringLiteral("web: Disconnected"));
            QCOMPARE(int(spy[0][2].value<TBalloonKind>()), kind);
            QCOMPARE(spy[0][3].toInt(), 10);
        }
    }
};

QTEST_GUILESS_MAIN(TestEventLog)
#include "tst_eventlog.moc"
