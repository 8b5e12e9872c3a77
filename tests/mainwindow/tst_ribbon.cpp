#include "mainwindow/TImageList.h"
#include "mainwindow/TRibbon.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

class TestRibbon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tabsGroupsAndButtonsFollowTheirActions()
    {
        TImageList images;
        TRibbon ribbon;
        QAction connect(images.Icon(TImageList::ServerConnected), "Connect");
        QAction disconnect(images.Icon(TImageList::ServerIdle), "Disconnect");
        QAction refresh("Refresh");
        const int start = ribbon.AddTab("Start");
        const int view = ribbon.AddTab("View");
        TRibbonGroup* server = ribbon.AddGroup(start, "Server");
        QToolButton* large = server->AddLargeButton(&connect);
        QToolButton* small = server->AddSmallButton(&disconnect);
        ribbon.AddGroup(view, "View")->AddLargeButton(&refresh);
        ribbon.AddQuickAccess(&connect);
        ribbon.ApplicationMenu()->addAction("Options");
        ribbon.show();

        QCOMPARE(ribbon.TabCount(), 2);
        QCOMPARE(ribbon.TabCaption(view), QStringLiteral("View"));
        QCOMPARE(ribbon.ActiveTab(), start);
        QCOMPARE(server->Actions(), (QList<QAction*>{&connect, &disconnect}));
        QCOMPARE(large->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QCOMPARE(small->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        connect.setEnabled(false);
        QVERIFY(!large->isEnabled());
        connect.setEnabled(true);
        QVERIFY(large->isEnabled());

        QSignalSpy changed(&ribbon, &TRibbon::activeTabChanged);
        ribbon.SetActiveTab(view);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(ribbon.ActiveTab(), view);

        ribbon.SetTabGroupsVisible(false);
        QVERIFY(!ribbon.TabGroupsVisible());
        ribbon.SetTabHeadersVisible(false);
        QVERIFY(!ribbon.TabHeadersVisible());
    }

    void hiddenGroupsShowInAPopupFromTheirHeader()
    {
        TRibbon ribbon;
        QAction refresh("Refresh");
        QSignalSpy triggered(&refresh, &QAction::triggered);
        ribbon.AddTab("Start");
        const int view = ribbon.AddTab("View");
        QToolButton* button = ribbon.AddGroup(view, "View")->AddLargeButton(&refresh);
        ribbon.SetTabGroupsVisible(false);
        ribbon.show();
        QVERIFY(!button->isVisible());

        auto* header = ribbon.findChildren<QToolButton*>().value(1 + view); // after the application button
        QCOMPARE(header->text(), QStringLiteral("View"));
        header->click();
        QCOMPARE(ribbon.ActiveTab(), view);
        QVERIFY(ribbon.GroupsPopupShowing());
        QVERIFY(button->isVisible());
        QVERIFY(!ribbon.TabGroupsVisible()); // the stored state does not change

        // A command chosen there runs and closes the popup; the groups go back under the headers, hidden.
        button->click();
        QCOMPARE(triggered.size(), 1);
        QTRY_VERIFY(!ribbon.GroupsPopupShowing());
        QTRY_VERIFY(!button->isVisible());
        ribbon.SetTabGroupsVisible(true);
        QVERIFY(button->isVisible());
        QCOMPARE(button->window(), &ribbon);
    }

    void colourSchemes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("applied");
        QTest::addColumn<QColor>("text");
        QTest::newRow("blue") << "Blue"
                              << "Blue" << QColor(21, 66, 139);
        QTest::newRow("black") << "Black"
                               << "Black" << QColor(Qt::white);
        QTest::newRow("silver") << "Silver"
                                << "Silver" << QColor(21, 66, 139);
        QTest::newRow("unknown falls back to blue") << "Purple"
                                                    << "Blue" << QColor(21, 66, 139);
    }
    void colourSchemes()
    {
        QFETCH(QString, name);
        QFETCH(QString, applied);
        QFETCH(QColor, text);
        TRibbon ribbon;
        ribbon.SetColorScheme(name);
        QCOMPARE(ribbon.ColorScheme(), applied);
        QCOMPARE(ribbon.palette().color(QPalette::WindowText), text);
        QCOMPARE(ribbon.palette().color(QPalette::Window), ribbon.SchemeBackground());
    }
};

QTEST_MAIN(TestRibbon)
#include "tst_ribbon.moc"
