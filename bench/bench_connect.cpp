// Time from Connect() to the first painted frame against the local test server, beside xfreerdp's time to
// its first frame on the same server, and the memory each session costs.
#include "../tests/session/TTestServer.h"
#include "session/TFreeRDPClient.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr QRgb kBackground = 0x3366cc;

qint64 statusKiB(const QString& pid, const char* field)
{
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

/// Milliseconds until our client shows the server's background.
double ourFirstFrame(int port, const QString& configDir)
{
    TFreeRDPClient client(nullptr, configDir);
    client.SetGraphicsPipeline(false);
    (void)client.SetProperty(TClientProperty::Server, QStringLiteral("127.0.0.1"));
    (void)client.SetProperty(TClientProperty::RDPPort, port);
    (void)client.SetProperty(TClientProperty::AudioRedirectionMode, 2);
    (void)client.SetProperty(TClientProperty::DesktopWidth, 1024);
    (void)client.SetProperty(TClientProperty::DesktopHeight, 768);
    QElapsedTimer timer;
    double elapsed = -1;
    QObject::connect(&client, &TMsRdpClient5::frameChanged, [&] {
        client.withFrame([&](const QImage& frame) {
            if (elapsed < 0 && frame.rect().contains(512, 384) && (frame.pixel(512, 384) & 0xFFFFFF) == kBackground)
                elapsed = double(timer.nsecsElapsed()) / 1e6;
        });
    });
    bool ended = false;
    QObject::connect(&client, &TMsRdpClient5::eventRaised, [&](TClientEvent e, int, int) {
        if (e == TClientEvent::Disconnected)
            ended = true;
    });
    timer.start();
    client.Connect();
    while (elapsed < 0 && !ended && timer.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    client.Disconnect();
    while (!ended && timer.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return elapsed;
}

struct External
{
    double firstFrame = -1;
    qint64 peakKiB = -1;
};

/// xfreerdp on a display of its own; a pixel of that display is polled until the background shows.
External xfreerdpFirstFrame(int port, const QString& home)
{
    QProcess xvfb;
    const QString name = TTestServer::startDisplay(xvfb, QStringLiteral("1280x1024x24"));
    Display* display = XOpenDisplay(name.toLatin1().constData());
    External result;
    if (!display) {
        std::fprintf(stderr, "cannot open the display of xfreerdp\n");
        return result;
    }
    QProcess client;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), name);
    env.insert(QStringLiteral("HOME"), home);
    client.setProcessEnvironment(env);
    client.setStandardOutputFile(QProcess::nullDevice());
    client.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    client.start(QStringLiteral("xfreerdp"),
                 {QStringLiteral("/v:127.0.0.1:%1").arg(port), QStringLiteral("/cert:ignore"),
                  QStringLiteral("/size:1024x768"), QStringLiteral("/bpp:32"), QStringLiteral("/audio-mode:2"),
                  QStringLiteral("-grab-keyboard")});
    const Window root = DefaultRootWindow(display);
    while (timer.elapsed() < 20000) {
        XImage* image = XGetImage(display, root, 512, 384, 1, 1, AllPlanes, ZPixmap);
        const bool shown = image && (XGetPixel(image, 0, 0) & 0xFFFFFF) == kBackground;
        if (image)
            XDestroyImage(image);
        if (shown) {
            result.firstFrame = double(timer.nsecsElapsed()) / 1e6;
            break;
        }
        QThread::msleep(2);
    }
    if (result.firstFrame < 0) {
        XImage* image = XGetImage(display, root, 512, 384, 1, 1, AllPlanes, ZPixmap);
        std::fprintf(stderr, "xfreerdp never showed the background; pixel %lx, state %d\n",
                     image ? XGetPixel(image, 0, 0) : 0, int(client.state()));
    }
    QThread::msleep(1000);
    result.peakKiB = statusKiB(QString::number(client.processId()), "VmHWM:");
    client.kill();
    client.waitForFinished();
    XCloseDisplay(display);
    xvfb.kill();
    xvfb.waitForFinished();
    return result;
}
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TTestServer server;
    if (!server.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.error()));
        return 1;
    }
    TFreeRDPClient::WarmUp();
    QThread::msleep(1000);
    const QString configDir = server.folder() + QStringLiteral("/client");

    constexpr int kRuns = 9;
    (void)ourFirstFrame(server.port(), configDir); // the process's first connect loads FreeRDP's channels
    // Interleaved, so that the server's own ups and downs fall on both clients alike.
    std::vector<double> ours;
    std::vector<double> external;
    qint64 externalPeak = 0;
    for (int i = 0; i < kRuns; ++i) {
        ours.push_back(ourFirstFrame(server.port(), configDir));
        const External run = xfreerdpFirstFrame(server.port(), server.folder());
        external.push_back(run.firstFrame);
        externalPeak = std::max(externalPeak, run.peakKiB);
    }

    // What open sessions add to the process: four at once, against none.
    const qint64 idle = statusKiB(QStringLiteral("self"), "VmRSS:");
    std::vector<std::unique_ptr<TFreeRDPClient>> held;
    for (int i = 0; i < 4; ++i) {
        auto client = std::make_unique<TFreeRDPClient>(nullptr, configDir);
        client->SetGraphicsPipeline(false);
        (void)client->SetProperty(TClientProperty::Server, QStringLiteral("127.0.0.1"));
        (void)client->SetProperty(TClientProperty::RDPPort, server.port());
        (void)client->SetProperty(TClientProperty::AudioRedirectionMode, 2);
        client->Connect();
        held.push_back(std::move(client));
    }
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const qint64 busy = statusKiB(QStringLiteral("self"), "VmRSS:");
    held.clear();

    const double ourMedian = median(ours);
    const double externalMedian = median(external);
    std::printf("first frame, median of %d: Velmora %.0f ms, xfreerdp %.0f ms, ratio %.2f\n", kRuns, ourMedian,
                externalMedian, ourMedian / externalMedian);
    std::printf("memory: one open session adds %lld KiB to the process (4 sessions: %lld KiB); xfreerdp peak "
                "%lld KiB per session\n",
                (busy - idle) / 4, busy - idle, externalPeak);
    return 0;
}
