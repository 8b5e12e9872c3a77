#include "../TestFiles.h"
#include "../TestPrompt.h"
#include "core/TAppCore.h"

#include <QTemporaryDir>
#include <QTest>

class TestAppCore : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString startDir() const { return m_dir->path() + u'/'; }

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void firstStartAndShutdown()
    {
        const TQVAppInfo info(startDir() + "velmora");
        TestPrompt prompt;
        TAppCore core(info, prompt);
        bool logWasLoaded = false;
        core.Startup([&] { logWasLoaded = !core.Ready() && QFile::exists(startDir() + "qvrd.log"); });
        QVERIFY(logWasLoaded);
        QVERIFY(core.Ready());
        QVERIFY(!core.HadSettingsFile());
        QVERIFY(QFileInfo(startDir() + "Connections").isDir());
        QCOMPARE(core.Tree.rowCount(), 0);
        QCOMPARE(core.Log.Entries().size(), 1);
        QCOMPARE(core.Log.Entries()[0].Message, QStringLiteral("Application Start"));
        QCOMPARE(core.Log.Entries()[0].Level, std::optional(TLogLevel::Start));
        QVERIFY(prompt.messages.isEmpty());

        QVERIFY(core.CloseQuery());
        QVERIFY(prompt.questions.isEmpty());
        core.Shutdown();
        QVERIFY(core.Closing());
        QVERIFY(QFile::exists(startDir() + "qvrd.ini"));
        const QStringList lines =
            QString::fromUtf8(TestFiles::read(startDir() + "qvrd.log")).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith("STOP;") && lines[0].contains("Application Stop"));
        QVERIFY(lines[1].startsWith("START;"));
    }

    void closeAsksOnlyWithConnectedSessions_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("no keeps the window") << false;
        QTest::newRow("yes closes") << true;
    }
    void closeAsksOnlyWithConnectedSessions()
    {
        QFETCH(bool, answer);
        QVERIFY(TestFiles::write(startDir() + "Connections/web.rdp", "full address:s:web\r\n"));
        const TQVAppInfo info(startDir() + "velmora");
        TestPrompt prompt;
        prompt.answer = answer;
        TAppCore core(info, prompt);
        core.Startup();
        core.List->At(0)->Connected = true;
        QCOMPARE(core.CloseQuery(), answer);
        QCOMPARE(core.Closing(), answer);
        QCOMPARE(prompt.questions,
                 QStringList{"Confirm Application Close|You have open RDP Sessions. Do you realy want to close the "
                             "application?"});
    }

    void unreadableFilesAreReportedOnce()
    {
        QVERIFY(TestFiles::write(startDir() + "Connections/a.rdp", "port:i:x\r\n"));
        QVERIFY(TestFiles::write(startDir() + "Connections/b.rdp", "port:i:y\r\n"));
        QVERIFY(TestFiles::write(startDir() + "Connections/c.rdp", "port:i:3389\r\n"));
        const TQVAppInfo info(startDir() + "velmora");
        TestPrompt prompt;
        TAppCore core(info, prompt);
        core.Startup();
        QVERIFY(core.Ready());
        QCOMPARE(core.Tree.rowCount(), 1);
        QCOMPARE(prompt.messages.size(), 1);
        QVERIFY(prompt.messages[0].contains("a.rdp") && prompt.messages[0].contains("b.rdp"));
        const auto errors = std::count_if(core.Log.Entries().begin(), core.Log.Entries().end(),
                                          [](const TLogEntry& e) { return e.Level == TLogLevel::Error; });
        QCOMPARE(errors, 2);
    }

    void refreshFromABackgroundListing()
    {
        QVERIFY(TestFiles::write(startDir() + "Connections/a.rdp", "full address:s:a\r\n"));
        const TQVAppInfo info(startDir() + "velmora");
        TestPrompt prompt;
        TAppCore core(info, prompt);
        core.Startup();
        const TQVRDElement* a = core.List->FindByName("a");
        QVERIFY(TestFiles::write(startDir() + "Connections/Prod/b.rdp", "full address:s:b\r\n"));
        QVERIFY(TestFiles::write(startDir() + "Connections/c.rdp", "port:i:x\r\n"));

        int calls = 0;
        core.TakeListingInBackground([&](TFolderListing* listing) {
            ++calls;
            QVERIFY(listing);
            core.ApplyListing(*listing);
        });
        QTRY_COMPARE(calls, 1);
        QCOMPARE(core.List->FindByName("a"), a); // known elements survive, their files are not read again
        QVERIFY(core.List->FindByName("b"));
        QCOMPARE(core.Tree.GetNodePath(core.Tree.NodeAtAbsoluteIndex(1)), QStringLiteral("/Prod/b"));
        QCOMPARE(prompt.messages.size(), 1);
        QVERIFY(prompt.messages[0].contains("c.rdp"));

        // A rebuild while the listing is on its way makes it stale: the caller gets none.
        bool stale = false;
        core.TakeListingInBackground([&](TFolderListing* listing) {
            ++calls;
            stale = listing == nullptr;
        });
        core.RefreshConnections();
        QTRY_COMPARE(calls, 2);
        QVERIFY(stale);

        // Once shutdown has begun, a listing still on its way calls nobody.
        core.TakeListingInBackground([&](TFolderListing*) { ++calls; });
        core.Shutdown();
        QTest::qWait(200);
        QCOMPARE(calls, 2);
    }

    void rootFolderThatCannotBeMade()
    {
        QVERIFY(
            TIniFile(startDir() + "qvrd.ini").WriteString("OPTIONS", "ConnectionRootFolder", "missing/deeper").ok());
        const TQVAppInfo info(startDir() + "velmora");
        TestPrompt prompt;
        TAppCore core(info, prompt);
        core.Startup();
        QVERIFY(core.HadSettingsFile());
        QVERIFY(core.Ready());
        QCOMPARE(prompt.messages.size(), 1);
        QVERIFY(prompt.messages[0].contains(startDir() + "missing/deeper"));
    }

    void historyOfThisRunIsSaved()
    {
        QVERIFY(TestFiles::write(startDir() + "Connections/web.rdp", "full address:s:web\r\n"));
        const TQVAppInfo info(startDir() + "velmora");
        {
            TestPrompt prompt;
            TAppCore core(info, prompt);
            core.Startup();
            core.List->At(0)->LastUsed = QDateTime::currentDateTime();
            core.Shutdown();
        }
        TestPrompt prompt;
        TAppCore core(info, prompt);
        core.Startup();
        QCOMPARE(core.List->At(0)->LastUsed.date(), QDate::currentDate());
    }
};

QTEST_GUILESS_MAIN(TestAppCore)
#include "tst_appcore.moc"
