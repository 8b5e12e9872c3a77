#include "../TestFiles.h"
#include "../TestPrompt.h"
#include "core/TAppCore.h"
#include "mainwindow/TConnectionSettingsPanel.h"
#include "mainwindow/TFormMain.h"
#include "mainwindow/TFormServerAdd.h"
#include "mainwindow/TFrameOverview.h"
#include "mainwindow/TFrameServer.h"
#include "mainwindow/TMainActions.h"
#include "mainwindow/TOverviewModel.h"
#include "mainwindow/TRibbon.h"
#include "mainwindow/TServerTreeView.h"
#include "support/TItemRoles.h"
#include "tools/TFormSplash.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestFormMain : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TQVAppInfo> m_info;
    TestPrompt m_prompt;
    std::unique_ptr<TFormMain> m_window;
    QString startDir() const { return m_dir->path() + u'/'; }

    /// The main window on the test's start directory, answering through `m_prompt`.
    TFormMain& openWindow(bool show = true)
    {
        m_info = std::make_unique<TQVAppInfo>(startDir() + "velmora");
        m_window = std::make_unique<TFormMain>(*m_info, m_prompt);
        if (show)
            m_window->show();
        return *m_window;
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_prompt = TestPrompt();
    }

    void cleanup()
    {
        m_window.reset();
        m_info.reset();
    }

    void firstStartAndClose()
    {
        TFormMain* window = &openWindow();
        const TestPrompt& prompt = m_prompt;
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
        // Every overview column's width; "Filename" starts hidden, as its menu item is unchecked.
        const TIniFile settings(startDir() + "qvrd.ini");
        QCOMPARE(settings.ReadSection("OVERVIEW").size(), 14);
        QCOMPARE(settings.ReadInteger("OVERVIEW", "0", -1), 120);
        QCOMPARE(settings.ReadInteger("OVERVIEW", "4", -1), 120); // "Username" takes its item's width
        QCOMPARE(settings.ReadInteger("OVERVIEW", "8", -1), 0);
    }

    void autoFilterFollowsTheTree_data()
    {
        QTest::addColumn<bool>("autoFilter");
        QTest::addColumn<bool>("byFolder");
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("filter"); // below the start directory
        QTest::newRow("off") << false << false << "web"
                             << "";
        QTest::newRow("server: its file") << true << false << "web"
                                          << "Connections/Prod/web.rdp";
        QTest::newRow("server by folder") << true << true << "web"
                                          << "Connections/Prod";
        QTest::newRow("folder") << true << false << "Prod (1)"
                                << "Connections/Prod";
    }

    void autoFilterFollowsTheTree()
    {
        QFETCH(bool, autoFilter);
        QFETCH(bool, byFolder);
        QFETCH(QString, node);
        QFETCH(QString, filter);
        QVERIFY(TestFiles::write(startDir() + "Connections/Prod/web.rdp", "full address:s:web\r\n"));
        QVERIFY(TestFiles::write(startDir() + "Connections/db.rdp", "full address:s:db\r\n"));
        TFormMain& window = openWindow();
        window.Core().Options.AutoFilter = autoFilter;
        window.Core().Options.AutoFilterFolder = byFolder;
        window.ServerTree().SelectAbsolute(node == "web" ? 1 : 0);
        window.ServerTree().SelectAbsolute(2);
        window.ServerTree().SelectAbsolute(node == "web" ? 1 : 0);
        QCOMPARE(window.ServerTree().currentIndex().data().toString(), node);
        QCOMPARE(window.Overview().FilterBox().text(), filter.isEmpty() ? filter : startDir() + filter);
        window.close();
    }

    void selectServerNodeSetsPicturesAndText()
    {
        QVERIFY(TestFiles::write(startDir() + "Connections/a.rdp", "full address:s:a\r\n"));
        QVERIFY(TestFiles::write(startDir() + "Connections/b.rdp", "full address:s:b\r\n"));
        TFormMain& window = openWindow();
        const TQVRDElement* b = window.Core().List->FindByName("b");
        QVERIFY(window.SelectServerNode(b, false, 59, 59, "b (up)"));
        const QModelIndex node = window.Core().Tree.NodeAtAbsoluteIndex(1);
        QCOMPARE(node.data().toString(), QStringLiteral("b (up)"));
        QCOMPARE(node.data(TItemRoles::ImageIndex).toInt(), 59);
        QCOMPARE(window.ServerTree().currentIndex().data().toString(), QStringLiteral("a"));
        QVERIFY(window.SelectServerNode(b, true, 4, -1, {}));
        QCOMPARE(node.data(TItemRoles::ImageIndex).toInt(), 59);
        QCOMPARE(node.data(TItemRoles::SelectedImageIndex).toInt(), 4);
        QCOMPARE(window.ServerTree().currentIndex(), node);
        QVERIFY(!window.SelectServerNode(nullptr));

        // Typing just before closing: the pending refill finds no connections to show.
        window.Overview().FilterBox().setText("a");
        window.close();
        QTest::qWait(300);
        QCOMPARE(window.Overview().Model().rowCount(), 0);
    }

    void overviewRowsDriveTheTree()
    {
        QVERIFY(TestFiles::write(startDir() + "Connections/Prod/web.rdp", "full address:s:web\r\n"));
        QVERIFY(TestFiles::write(startDir() + "Connections/db.rdp", "full address:s:db\r\n"));
        TFormMain& window = openWindow();
        TFrameOverview& overview = window.Overview();
        QTRY_COMPARE(overview.Model().rowCount(), 2); // filled by the key delay after start-up
        // While the splash shows, the list leaves the tree alone.
        const auto splashShowing = [] {
            const QWidgetList windows = QApplication::topLevelWidgets();
            return std::any_of(windows.begin(), windows.end(),
                               [](QWidget* w) { return qobject_cast<TFormSplash*>(w) && w->isVisible(); });
        };
        QVERIFY(splashShowing());
        overview.List().selectRow(0);
        QCOMPARE(window.ServerTree().currentIndex().data().toString(), QStringLiteral("Prod (1)"));
        QTRY_VERIFY_WITH_TIMEOUT(!splashShowing(), 5000);
        overview.List().clearSelection();
        const int web = overview.Model().RowOf(window.Core().List->FindByName("web"));
        const int db = overview.Model().RowOf(window.Core().List->FindByName("db"));

        // Only while the Overview page is showing does a row select its server.
        window.Pages().setCurrentIndex(1);
        overview.List().selectRow(web);
        QCOMPARE(window.ServerTree().currentIndex().data().toString(), QStringLiteral("Prod (1)"));
        window.Pages().setCurrentIndex(0);
        overview.List().selectRow(db);
        QCOMPARE(window.ServerTree().currentIndex().data().toString(), QStringLiteral("db"));

        // Enter in the filter box selects the server and gives the tree the focus.
        overview.List().selectRow(web);
        window.ServerTree().SelectAbsolute(0);
        window.activateWindow();
        QTest::keyClick(&overview.FilterBox(), Qt::Key_Return);
        QCOMPARE(window.ServerTree().currentIndex().data().toString(), QStringLiteral("web"));
        window.close();
    }

    void selectionDrivesTheCommandsAndPanels()
    {
        QVERIFY(TestFiles::write(startDir() + "Connections/Prod/web.rdp", "full address:s:web.corp\r\n"));
        QVERIFY(QDir().mkpath(startDir() + "Connections/Empty"));
        TFormMain& window = openWindow();
        TestPrompt& prompt = m_prompt;
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
        TFormMain& window = openWindow();
        TestPrompt& prompt = m_prompt;
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
        TFormMain& window = openWindow();
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
        TFormMain& window = openWindow(false);
        const QLabel& name = window.SettingsPanel().LabelName();
        const QLabel& lookFor = window.Overview().LookForLabel();
        window.findChild<QAction*>("blbBlack")->trigger();
        QCOMPARE(window.Ribbon().ColorScheme(), QStringLiteral("Black"));
        QCOMPARE(name.palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(lookFor.palette().color(QPalette::WindowText), QColor(Qt::white));
        window.findChild<QAction*>("blbSilver")->trigger();
        QCOMPARE(name.palette().color(QPalette::WindowText), QColor(21, 66, 139));
        window.findChild<QAction*>("blbBlack")->trigger();
        QCOMPARE(window.findChild<QMenu*>("pomServer")->actions().last()->text(), QStringLiteral("Full collapse"));
        window.show();
        window.close();
        QCOMPARE(TIniFile(startDir() + "qvrd.ini").ReadString("MAIN", "ColorSchemeName", {}), QStringLiteral("Black"));
    }

    void refreshKeepsTheSelectionByPosition()
    {
        for (const char* name : {"a", "b", "c"})
            QVERIFY(TestFiles::write(startDir() + "Connections/" + name + ".rdp", "full address:s:x\r\n"));
        TFormMain& window = openWindow();
        window.ServerTree().SelectAbsolute(2);
        QFile::remove(startDir() + "Connections/b.rdp");
        QSignalSpy refreshed(&window, &TFormMain::refreshed);
        window.Actions().acRefresh->trigger();
        // The disk is read in the background: the command waits, and the window goes on meanwhile.
        QVERIFY(!window.Actions().acRefresh->isEnabled());
        QCOMPARE(window.ServerTree().currentIndex().data().toString(), QStringLiteral("c"));
        QVERIFY(refreshed.wait());
        QCOMPARE(window.Core().Tree.NodeCount(), 2);
        QCOMPARE(window.ServerTree().currentIndex().data().toString(), QStringLiteral("c"));
        QVERIFY(window.Actions().acRefresh->isEnabled());
        window.close();
    }

    void renameInTheSettingsPanel_data()
    {
        QTest::addColumn<QString>("newName");
        QTest::addColumn<bool>("renamed");
        QTest::newRow("free name") << "web02" << true;
        QTest::newRow("another connection's file") << "web03" << false;
        QTest::newRow("outside the folder") << "../web04" << false;
    }

    void renameInTheSettingsPanel()
    {
        QFETCH(QString, newName);
        QFETCH(bool, renamed);
        const QString folder = startDir() + "Connections/Prod/";
        QVERIFY(TestFiles::write(folder + "web01.rdp", "full address:s:10.0.0.1\r\n"));
        QVERIFY(TestFiles::write(folder + "web03.rdp", "full address:s:10.0.0.3\r\n"));
        const QByteArray other = TestFiles::read(folder + "web03.rdp");
        TFormMain& window = openWindow();
        TestPrompt& prompt = m_prompt;
        QVERIFY(window.SelectServerNode(window.Core().List->FindByName("web01")));
        TFrameServer& editor = window.SettingsPanel().Editor();
        QCOMPARE(editor.EditAddress->text(), QStringLiteral("10.0.0.1"));
        QVERIFY(window.SettingsPanel().SaveButton().isEnabled());
        editor.EditName->setText(newName);
        editor.EditDesc->setText("renamed");
        window.SettingsPanel().SaveButton().click();

        QCOMPARE(TestFiles::read(folder + "web03.rdp"), other);
        QCOMPARE(QFile::exists(folder + "web01.rdp"), !renamed);
        QCOMPARE(QFile::exists(folder + newName + ".rdp"), renamed || newName == "web03");
        QCOMPARE(prompt.messages.size(), renamed ? 0 : 1);
        const TEventLog& log = window.Core().Log;
        if (renamed) {
            QCOMPARE(window.ServerTree().currentIndex().data().toString(), newName);
            QCOMPARE(log.Entries().first().Message, QStringLiteral("Connection Settings changed"));
            QCOMPARE(log.Entries().first().Details, folder + newName + ".rdp");
            TRDPFile saved;
            saved.FileName = folder + newName + ".rdp";
            QVERIFY(saved.Load());
            QCOMPARE(saved.Description, QStringLiteral("renamed"));
            // The recent pane lists it under its new name and path, and the settings file keeps that.
            const QList<QAction*> recent = window.Ribbon().RecentActions();
            QCOMPARE(recent.size(), 3); // separator, header, entry
            QCOMPARE(recent.last()->text(), newName);
            window.close();
            QCOMPARE(TIniFile(startDir() + "qvrd.ini").ReadString("LAST EDIT RDP FILES", newName, {}),
                     folder + newName + ".rdp");
        } else {
            QCOMPARE(window.Core().List->FindByName("web01")->RdpFile().Description, QString());
            QCOMPARE(log.Entries().size(), 1); // "Application Start" only
        }
        window.close();
    }

    void multiServerEditChangesOnlyTheTickedValue()
    {
        const QString root = startDir() + "Connections/";
        QVERIFY(TestFiles::write(root + "a.rdp", "full address:s:a\r\nport:i:3390\r\ntags:s:x;y\r\n"));
        QVERIFY(TestFiles::write(root + "b.rdp", "full address:s:b\r\nusername:s:bob\r\ncompression:i:0\r\n"));
        QVERIFY(TestFiles::write(root + "c.rdp", "full address:s:c\r\n"));
        TFormMain& window = openWindow();
        TestPrompt& prompt = m_prompt;
        TFrameOverview& overview = window.Overview();
        overview.FillOverview();
        QVERIFY(window.SelectServerNode(window.Core().List->FindByName("b")));
        overview.List().selectionModel()->select(overview.Model().index(0, 0),
                                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
        overview.List().selectionModel()->select(overview.Model().index(1, 0),
                                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
        TFormServerAdd& dialog = window.ServerDialog();
        QTimer::singleShot(0, &dialog, [&dialog] {
            QCOMPARE(dialog.InfoText(), QStringLiteral("Modify multiple server valus at a time"));
            QVERIFY(!dialog.Editor().EditAddress->isEnabled());
            QVERIFY(dialog.OkButton()->isEnabled());
            dialog.Editor().CheckBoxCompression->setChecked(true);
            dialog.Editor().EditUsername->setText("eve");
            dialog.accept();
        });
        window.findChild<QAction*>("mitOverviewEditServer")->trigger();
        QCOMPARE(prompt.messages, QStringList{"Multiple Servers changed!"});

        auto load = [&root](const char* name) {
            TRDPFile file;
            file.FileName = root + name;
            (void)file.Load();
            return file;
        };
        const TRDPFile a = load("a.rdp");
        const TRDPFile b = load("b.rdp");
        QCOMPARE(a.Compression, 1);
        QCOMPARE(a.Port, 3390);
        QCOMPARE(a.Tags, (QStringList{"x", "y"}));
        QCOMPARE(a.UserName, QStringLiteral("eve"));
        QCOMPARE(b.Compression, 1);
        QCOMPARE(b.UserName, QStringLiteral("eve"));
        // The settings panel shows the selected server as it is now, not as it was before the edit.
        QCOMPARE(window.SettingsPanel().Editor().EditUsername->text(), QStringLiteral("eve"));
        QCOMPARE(TestFiles::read(root + "c.rdp"), QByteArray("full address:s:c\r\n"));
        window.close();
    }

    void saveClosesThePanelWhenAsked()
    {
        QVERIFY(TestFiles::write(startDir() + "Connections/web.rdp", "full address:s:web\r\n"));
        TFormMain& window = openWindow();
        window.Core().Options.CloseServerEditAfterSave = true;
        TMainActions& a = window.Actions();
        QVERIFY(window.SelectServerNode(window.Core().List->FindByName("web")));
        QTest::keyClick(&window.ServerTree(), Qt::Key_Return, Qt::AltModifier); // Edit Server
        QVERIFY(a.acConSet->isChecked());
        a.acConSet->setChecked(false);
        a.acServerEdit->trigger();
        QVERIFY(a.acConSet->isChecked());
        QVERIFY(window.SettingsPanel().isVisible());
        QVERIFY(window.SettingsPanel().width() >= 200);
        QCOMPARE(window.SettingsPanel().Editor().Pages().currentIndex(), 0);
        window.SettingsPanel().SaveButton().click();
        QVERIFY(!a.acConSet->isChecked());
        QVERIFY(!window.SettingsPanel().isVisible());
        a.acServerEdit->trigger();
        QVERIFY(window.SettingsPanel().isVisible());
        window.close();
    }

    void workingSizes_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QSize>("size");
        QTest::newRow("800 x 600") << "ac600_800" << QSize(800, 600);
        QTest::newRow("1280 x 1024") << "ac1024_1280" << QSize(1280, 1024);
    }

    void workingSizes()
    {
        QFETCH(QString, command);
        QFETCH(QSize, size);
        TFormMain& window = openWindow();
        window.findChild<QAction*>(command)->trigger();
        QTRY_COMPARE(window.Pages().size(), size);
        window.close();
    }
};

QTEST_MAIN(TestFormMain)
#include "tst_formmain.moc"
