// Start-up of the main window with 10,000 connections in 1,000 folders, against the headless start-up of the
// same services in the same run, and the longest stall of the event loop once the window is shown.
#include "TBenchFixture.h"

#include "../tests/TestPrompt.h"
#include "core/TAppCore.h"
#include "mainwindow/TFormMain.h"
#include "mainwindow/TMainActions.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString startDir = dir.path() + u'/';
    TBenchFixture::writeConnections(startDir + QStringLiteral("Connections"), 10000, 1000);
    const TQVAppInfo info(startDir + QStringLiteral("velmora"));

    const double headless = TBenchFixture::medianMs(3, [&] {
        TestPrompt prompt;
        TAppCore core(info, prompt);
        core.Startup();
    });
    const double window = TBenchFixture::medianMs(3, [&] {
        TestPrompt prompt;
        TFormMain form(info, prompt);
    });

    TestPrompt prompt;
    TFormMain form(info, prompt);
    // A timer that should tick every 10 ms measures how long the event loop is held up.
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 worst = 0;
    QTimer probe;
    probe.setInterval(10);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        worst = std::max(worst, now - last);
        last = now;
    });
    clock.start();
    probe.start();
    form.show();
    qint64 startupWorst = 0;
    QElapsedTimer refresh;
    qint64 refreshMs = 0;
    QObject::connect(&form, &TFormMain::refreshed, [&] {
        refreshMs = refresh.elapsed();
        QTimer::singleShot(1000, &app, &QApplication::quit);
    });
    QTimer::singleShot(1500, [&] {
        startupWorst = worst;
        // With VELMORA_BENCH_DROP_CACHES=1 (root only) the Refresh reads the folders from the disk itself.
        if (qEnvironmentVariableIntValue("VELMORA_BENCH_DROP_CACHES") == 1)
            std::system("sync; echo 3 > /proc/sys/vm/drop_caches");
        worst = 0;
        last = clock.elapsed();
        refresh.start();
        form.Actions().acRefresh->trigger();
    });
    QElapsedTimer whole;
    whole.start();
    QApplication::exec();
    std::printf("start-up to ready: window %.0f ms, headless %.0f ms, the window adds %.0f%%\n", window, headless,
                100.0 * (window - headless) / headless);
    std::printf("longest event-loop stall from show to 1.5 s later (first paint and first overview fill): %lld ms\n",
                startupWorst);
    std::printf("Refresh of the 10,000 files: rebuilt after %lld ms, longest event-loop stall meanwhile %lld ms\n",
                refreshMs, worst);
    form.close();
    return 0;
}
