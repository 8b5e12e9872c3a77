#include "../TestFiles.h"
#include "../TestPrompt.h"
#include "core/TAppCore.h"
#include "mainwindow/TFormMain.h"
#include "mainwindow/TMainActions.h"
#include "mainwindow/TRibbon.h"
#include "mainwindow/TServerTreeView.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

class TestFormMain : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString startDir() const { return m_dir->path() + u'/'; }

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void firstStartAndClose()
    {
        const TQVAppInfo info(startDir() + "velmora");
        TestPrompt prompt;
        auto window = std::make_unique<TFormMain>(info, prompt);
        window->show();
        QVERIFY(window->Core().Ready());
        QVERIFY(QFileInfo(startDir() + "Connections").isDir());
        QVERIFY(!window->Ribbon().TabGroupsVisible());
        QCOMPARE(window->Ribbon().TabCaption(0), QStringLiteral("Start"));
        QCOMPARE(window->Core().Log.Entries().size(), 1);
        QVERIFY(window->close());
        QVERIFY(prompt.questions.isEmpty());
        for (const char* file : {"qvrd.ini", "qvrdps.ini", "qvrd.log"})
            QVERIFY2(QFile::exists(startDir() + file), file);
        const QByteArray log = TestFiles::read(startDir() + "qvrd.log");
        QVERIFY(log.startsWith("STOP;"));
        QVERIFY(log.contains("START;"));
    }

    void selectionDrivesTheCommandsAndPanels()
    {
        QVERIFY(TestFiles::write(startDir() + "Connections/Prod/web.rdp", "full address:s:web.corp\r\n"));
        QVERIFY(QDir().mkpath(startDir() + "Connections/Empty"));
        const TQVAppInfo info(startDir() + "velmora");
        TestPrompt prompt;
        TFormMain window(info, prompt);
        window.show();
        TMainActions& a = window.Actions();
        TServerTreeView& tree = window.ServerTree();

        // The first node (the folder "Empty") is selected after start-up.
        QCOMPARE(tree.currentIndex().data().toString(), QStringLiteral("Empty (0)"));
        QVERIFY(!a.acServerConnect->isEnabled());
        QVERIFY(!window.ConnectTimePanelVisible());

        tree.SelectAbsolute(2);
        QCOMPARE(tree.currentIndex().data().toString(), QStringLiteral("web"));
        QVERIFY(a.acServerConnect->isEnabled());
        QVERIFY(!a.acServerDisconnect->isEnabled());
        QVERIFY(window.ConnectTimePanelVisible());
        QCOMPARE(window.ConnectTimePanelText(), QStringLiteral("Not connected"));
        QCOMPARE(window.PathPanelText(), startDir() + "Connections/Prod/web.rdp");

        TQVRDElement* web = window.GetSelectedElement();
        QVERIFY(web);
        web->Connected = true;
        web->ConnectTimeText = QStringLiteral("11.12.2026 09:00:00");
        window.UpdateStatus();
        QVERIFY(!a.acServerConnect->isEnabled());
        QVERIFY(a.acServerDisconnect->isEnabled());
        QCOMPARE(window.ConnectTimePanelText(), QStringLiteral("Connect time: 11.12.2026 09:00:00"));

        // With a session open, closing asks; No keeps the window.
        prompt.answer = false;
        QVERIFY(!window.close());
        QCOMPARE(prompt.questions.size(), 1);
        QVERIFY(window.isVisible());
        QVERIFY(!window.Core().Closing());
        prompt.answer = true;
        QVERIFY(window.close());
    }

    void dragAndDropMovesOnDiskAfterAsking()
    {
        QVERIFY(TestFiles::write(startDir() + "Connections/web.rdp", "full address:s:web\r\n"));
        QVERIFY(QDir().mkpath(startDir() + "Connections/Prod"));
        const TQVAppInfo info(startDir() + "velmora");
        TestPrompt prompt;
        TFormMain window(info, prompt);
        window.show();
        TServerTreeModel& tree = window.Core().Tree;
        const QModelIndex prod = tree.NodeAtAbsoluteIndex(0);
        const QModelIndex web = tree.NodeAtAbsoluteIndex(1);

        prompt.answer = false;
        window.TreeViewRDPDragDrop(web, prod);
        QCOMPARE(prompt.questions, QStringList{"Confirm Move|Do you realy want to move \"/web\" to \"/Prod\"?"});
        QVERIFY(QFile::exists(startDir() + "Connections/web.rdp"));

        prompt.answer = true;
        window.TreeViewRDPDragDrop(web, prod);
        QVERIFY(QFile::exists(startDir() + "Connections/Prod/web.rdp"));
        QCOMPARE(tree.NodeCount(), 2);
        QCOMPARE(tree.GetNodePath(tree.NodeAtAbsoluteIndex(1)), QStringLiteral("/Prod/web"));

        // A folder into itself is refused by the disk, and the user is told.
        window.TreeViewRDPDragDrop(tree.NodeAtAbsoluteIndex(0), tree.NodeAtAbsoluteIndex(0));
        QCOMPARE(prompt.messages, QStringList{"Error moving file!"});
        window.close();
    }

    void logRowsSelectTheirServer()
    {
        QVERIFY(TestFiles::write(startDir() + "Connections/a.rdp", "full address:s:a\r\n"));
        QVERIFY(TestFiles::write(startDir() + "Connections/web.rdp", "full address:s:web\r\n"));
        const TQVAppInfo info(startDir() + "velmora");
        TestPrompt prompt;
        TFormMain window(info, prompt);
        window.show();
        window.Core().Log.AddLog("web", "Connected", {}, TLogLevel::Connecting);
        QCOMPARE(window.ServerTree().currentIndex().data().toString(), QStringLiteral("a"));
        auto* log = window.findChild<QAbstractItemView*>("ListViewLog");
        QVERIFY(log);
        log->setCurrentIndex(window.Core().Log.index(0, 1));
        QCOMPARE(window.ServerTree().currentIndex().data().toString(), QStringLiteral("web"));
        window.close();
    }

    void colourSchemeCommands()
    {
        const TQVAppInfo info(startDir() + "velmora");
        TestPrompt prompt;
        TFormMain window(info, prompt);
        window.findChild<QAction*>("blbBlack")->trigger();
        QCOMPARE(window.Ribbon().ColorScheme(), QStringLiteral("Black"));
        QCOMPARE(window.findChild<QMenu*>("pomServer")->actions().last()->text(), QStringLiteral("Full collapse"));
        window.show();
        window.close();
        QCOMPARE(TIniFile(startDir() + "qvrd.ini").ReadString("MAIN", "ColorSchemeName", {}), QStringLiteral("Black"));
    }

    void refreshKeepsTheSelectionByPosition()
    {
        for (const char* name : {"a", "b", "c"})
            QVERIFY(TestFiles::write(startDir() + "Connections/" + name + ".rdp", "full address:s:x\r\n"));
        const TQVAppInfo info(startDir() + "velmora");
        TestPrompt prompt;
        TFormMain window(info, prompt);
        window.show();
        window.ServerTree().SelectAbsolute(2);
        QFile::remove(startDir() + "Connections/b.rdp");
        window.Actions().acRefresh->trigger();
        QCOMPARE(window.ServerTree().currentIndex().data().toString(), QStringLiteral("c"));
        QVERIFY(window.Actions().acRefresh->isEnabled());
        window.close();
    }
};

QTEST_MAIN(TestFormMain)
#include "tst_formmain.moc"
