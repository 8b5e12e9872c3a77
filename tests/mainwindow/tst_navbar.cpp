#include "mainwindow/TNavBar.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

class TestNavBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paneShowsOneGroup()
    {
        TNavBar bar(TNavBar::Style::Pane);
        auto* server = new QLabel("server");
        auto* history = new QLabel("history");
        auto* tags = new QLabel("tags");
        bar.AddGroup("RDP Server", server);
        bar.AddGroup("History", history);
        const int tagGroup = bar.AddGroup("Tags", tags);
        bar.SetGroupVisible(tagGroup, false);
        bar.resize(200, 400);
        bar.show();
        QCOMPARE(bar.ActiveGroup(), 0);
        QVERIFY(server->isVisible() && !history->isVisible() && !tags->isVisible());
        QSignalSpy changed(&bar, &TNavBar::activeGroupChanged);
        bar.SetActiveGroup(1);
        QCOMPARE(changed.size(), 1);
        QVERIFY(!server->isVisible() && history->isVisible());
        QVERIFY(!bar.IsGroupVisible(tagGroup));
        bar.SetGroupVisible(1, false);
        QCOMPARE(bar.ActiveGroup(), 0);
        QVERIFY(server->isVisible());
    }

    void stackedGroupsOpenOnTheirOwn()
    {
        TNavBar bar(TNavBar::Style::Stacked);
        auto* favorites = new QLabel("favorites");
        auto* server = new QLabel("server");
        bar.AddGroup("Favorites", favorites);
        bar.AddGroup("Server", server);
        bar.show();
        QVERIFY(bar.IsExpanded(0) && bar.IsExpanded(1));
        QSignalSpy changed(&bar, &TNavBar::expandedChanged);
        bar.SetExpanded(0, false);
        QCOMPARE(changed.size(), 1);
        QVERIFY(!favorites->isVisible() && server->isVisible());
        bar.SetExpanded(0, false);
        QCOMPARE(changed.size(), 1);
    }
};

QTEST_MAIN(TestNavBar)
#include "tst_navbar.moc"
