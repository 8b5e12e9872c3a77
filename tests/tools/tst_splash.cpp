#include "support/TQVAppInfo.h"
#include "tools/TFormSplash.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

class TestSplash : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versionLineAndFade()
    {
        const TQVAppInfo info(QStringLiteral("/tmp/velmora"));
        TFormSplash splash(info);
        QCOMPARE(splash.VersionLabelText(), QStringLiteral("Version: 1.0   Build: 0.9.8.8"));
        splash.show();
        QElapsedTimer timer;
        timer.start();
        // The fade never blocks: the event loop keeps turning while the splash goes away.
        int turns = 0;
        while (splash.isVisible() && timer.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            ++turns;
        }
        QVERIFY(!splash.isVisible());
        QVERIFY(timer.elapsed() >= TFormSplash::ShowMilliseconds);
        QVERIFY(turns > 20);
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
