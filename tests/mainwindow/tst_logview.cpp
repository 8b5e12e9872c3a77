#include "mainwindow/TImageList.h"
#include "mainwindow/TLogView.h"
#include "persist/TEventLog.h"

#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

class TestLogView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsAndReactions()
    {
        TEventLog log;
        log.AddLog({}, "Application Start", {}, TLogLevel::Start);
        log.AddLog("web", "Connected", {}, TLogLevel::Connecting);
        TImageList images;
        TLogView view(log, images);
        view.resize(600, 300);
        view.show();
        QCOMPARE(view.horizontalHeader()->sectionSize(TEventLog::TimestampColumn), 150);
        QCOMPARE(view.horizontalHeader()->sectionSize(TEventLog::ServerColumn), 100);
        QCOMPARE(log.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Timestamp"));

        QSignalSpy selected(&view, &TLogView::rowSelected);
        QSignalSpy activated(&view, &TLogView::rowActivated);
        view.setCurrentIndex(log.index(0, 2));
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected[0][0].toString(), QStringLiteral("web"));
        QVERIFY(selected[0][1].toBool());
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(activated.size(), 1);
        QCOMPARE(activated[0][0].toString(), QStringLiteral("web"));

        // The level's picture is drawn before the timestamp.
        const QImage shown = view.viewport()->grab().toImage();
        const QRect cell = view.visualRect(log.index(1, 0));
        bool coloured = false;
        for (int x = cell.left(); x < cell.left() + 24 && !coloured; ++x) {
            const QColor c = shown.pixelColor(x, cell.center().y());
            coloured = c.saturation() > 80;
        }
        QVERIFY(coloured);
    }
};

QTEST_MAIN(TestLogView)
#include "tst_logview.moc"
