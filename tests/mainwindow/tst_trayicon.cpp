#include "mainwindow/TTrayIcon.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

class TestTrayIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menuAndSessionsWithoutANotificationArea()
    {
        TTrayIcon tray(QIcon{});
        QVERIFY(!tray.IsAvailable()); // offscreen: no notification area, and nothing breaks
        tray.SetVisible(true);
        tray.SetHint("Velmora (1 active connection)");
        QCOMPARE(tray.Hint(), QStringLiteral("Velmora (1 active connection)"));
        tray.ShowBalloon("Velmora Connection Manager", "web: Connected", TBalloonKind::Information, 10);

        const QList<QAction*> fixed = tray.Menu()->actions();
        QCOMPARE(fixed.size(), 3);
        QCOMPARE(fixed[0]->text(), QStringLiteral("Show"));
        QCOMPARE(fixed[1]->text(), QStringLiteral("Close"));
        QVERIFY(fixed[2]->isSeparator());

        QSignalSpy chosen(&tray, &TTrayIcon::sessionChosen);
        QSignalSpy close(&tray, &TTrayIcon::closeRequested);
        QAction* web = tray.AddSession("web", QIcon{});
        QAction* db = tray.AddSession("db", QIcon{});
        web->trigger();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen[0][0].value<QAction*>(), web);
        tray.RemoveSession(web);
        QCOMPARE(tray.Menu()->actions().size(), 4);
        QCOMPARE(tray.Menu()->actions().last(), db);
        tray.CloseAction()->trigger();
        QCOMPARE(close.size(), 1);
    }
};

QTEST_MAIN(TestTrayIcon)
#include "tst_trayicon.moc"
