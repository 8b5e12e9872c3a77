#include "TScriptedPrompts.h"
#include "TTestServer.h"
#include "core/TDisconnectReasons.h"
#include "session/TFrameRDP.h"
#include "session/TFreeRDPClient.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

Q_DECLARE_METATYPE(TClientEvent)

namespace {
/// The events a client raised, in order.
class EventLog : public QObject
{
public:
    explicit EventLog(TMsRdpClient5* client)
    {
        connect(client, &TMsRdpClient5::eventRaised, this, [this](TClientEvent e, int value, int) {
            events.append({e, value});
        });
    }
    QList<QPair<TClientEvent, int>> events;

    bool has(TClientEvent e) const
    {
        return std::any_of(events.begin(), events.end(), [e](const auto& p) { return p.first == e; });
    }
    int count(TClientEvent e) const
    {
        return int(std::count_if(events.begin(), events.end(), [e](const auto& p) { return p.first == e; }));
    }
    int reason() const
    {
        for (const auto& [e, value] : events) {
            if (e == TClientEvent::Disconnected)
                return value;
        }
        return -100;
    }
    int indexOf(TClientEvent e) const
    {
        for (int i = 0; i < int(events.size()); ++i) {
            if (events[i].first == e)
                return i;
        }
        return -1;
    }
};

/// Connects and waits for the session to come up; false when it does not within the time-out.
bool connectAndWait(TMsRdpClient5& client, const EventLog& log)
{
    client.Connect();
    return QTest::qWaitFor([&] { return log.has(TClientEvent::Connected); }, 15000);
}

QRgb pixel(const TMsRdpClient5& client, QPoint at)
{
    QRgb value = 0;
    client.withFrame([&](const QImage& frame) {
        if (frame.rect().contains(at))
            value = frame.pixel(at) & 0xFFFFFF;
    });
    return value;
}
} // namespace

class TestFreeRDPClient : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;
    TScriptedPrompts m_prompts;

    std::unique_ptr<TFreeRDPClient> makeClient(const QString& server, int port, unsigned authenticationLevel = 0)
    {
        auto client = std::make_unique<TFreeRDPClient>(&m_prompts, m_config.filePath(QStringLiteral("freerdp")));
        client->SetGraphicsPipeline(false);
        (void)client->SetProperty(TClientProperty::Server, server);
        (void)client->SetProperty(TClientProperty::RDPPort, port);
        (void)client->SetProperty(TClientProperty::EnableAutoReconnect, false);
        (void)client->SetProperty(TClientProperty::AuthenticationLevel, authenticationLevel);
        (void)client->SetProperty(TClientProperty::AudioRedirectionMode, 2);
        return client;
    }

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<TClientEvent>();
        TFreeRDPClient::WarmUp();
    }

    void init() { m_prompts = TScriptedPrompts(); }

    void connectShowsTheServersPixelsAndOwnDisconnectEnds()
    {
        TTestServer server;
        QVERIFY2(server.start(), qPrintable(server.error()));
        auto client = makeClient(QStringLiteral("127.0.0.1"), server.port());
        EventLog log(client.get());
        QVERIFY(connectAndWait(*client, log));
        QTRY_COMPARE_WITH_TIMEOUT(pixel(*client, {20, 20}), QRgb(0x3366cc), 10000);
        QVERIFY(log.indexOf(TClientEvent::Connecting) < log.indexOf(TClientEvent::Connected));
        client->Disconnect();
        QTRY_VERIFY_WITH_TIMEOUT(log.has(TClientEvent::Disconnected), 5000);
        QCOMPARE(log.reason(), TDisconnectReasons::LocalDisconnect);
        QVERIFY(!client->IsActive());

        // The same client connects again.
        log.events.clear();
        QVERIFY(connectAndWait(*client, log));
        client->Disconnect();
        QTRY_VERIFY_WITH_TIMEOUT(log.has(TClientEvent::Disconnected), 5000);
        QCOMPARE(log.count(TClientEvent::Disconnected), 1);
    }

    void graphicsPipelineShowsThePicture()
    {
        TTestServer server;
        QVERIFY2(server.start(), qPrintable(server.error()));
        auto client = makeClient(QStringLiteral("127.0.0.1"), server.port());
        client->SetGraphicsPipeline(true);
        EventLog log(client.get());
        QVERIFY(connectAndWait(*client, log));
        // The pipeline may compress with loss: the colour is close, not exact.
        const auto close = [&] {
            const QColor c = QColor::fromRgb(pixel(*client, {512, 384}));
            return std::abs(c.red() - 0x33) < 16 && std::abs(c.green() - 0x66) < 16 && std::abs(c.blue() - 0xcc) < 16;
        };
        QTRY_VERIFY_WITH_TIMEOUT(close(), 10000);
        client->Disconnect();
        QTRY_VERIFY_WITH_TIMEOUT(log.has(TClientEvent::Disconnected), 5000);
    }

    void serverKilledMidSession()
    {
        TTestServer server;
        QVERIFY2(server.start(), qPrintable(server.error()));
        auto client = makeClient(QStringLiteral("127.0.0.1"), server.port());
        EventLog log(client.get());
        QVERIFY(connectAndWait(*client, log));
        server.killServer();
        QTRY_VERIFY_WITH_TIMEOUT(log.has(TClientEvent::Disconnected), 10000);
        QCOMPARE(log.reason(), TDisconnectReasons::SocketClosed);
    }

    void droppedSessionReconnects()
    {
        TTestServer server;
        QVERIFY2(server.start(), qPrintable(server.error()));
        auto client = makeClient(QStringLiteral("127.0.0.1"), server.port());
        (void)client->SetProperty(TClientProperty::EnableAutoReconnect, true);
        QList<int> attempts;
        connect(client.get(), &TMsRdpClient5::eventRaised, this, [&](TClientEvent e, int value, int attempt) {
            if (e == TClientEvent::AutoReconnecting) {
                QCOMPARE(value, TDisconnectReasons::SocketClosed);
                attempts.append(attempt);
            }
        });
        EventLog log(client.get());
        client->Connect();
        QTRY_COMPARE_WITH_TIMEOUT(pixel(*client, {20, 20}), QRgb(0x3366cc), 15000);
        server.killServer();
        QTRY_VERIFY_WITH_TIMEOUT(!attempts.isEmpty(), 10000);
        QCOMPARE(attempts.first(), 1);
        QSignalSpy painted(client.get(), &TMsRdpClient5::frameChanged);
        QVERIFY(server.restartServer());
        // Back on the same client: the picture is drawn again and the session never ended.
        QTRY_VERIFY_WITH_TIMEOUT(!painted.isEmpty(), 20000);
        QCOMPARE(pixel(*client, {20, 20}), QRgb(0x3366cc));
        QVERIFY(!log.has(TClientEvent::Disconnected));
        client->Disconnect();
        QTRY_VERIFY_WITH_TIMEOUT(log.has(TClientEvent::Disconnected), 5000);
        QCOMPARE(log.reason(), TDisconnectReasons::LocalDisconnect);
    }

    void failedConnects_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("reason");
        QTest::newRow("closed port") << "127.0.0.1" << TDisconnectReasons::SocketConnectFailure;
        QTest::newRow("unresolvable name") << "velmora-test.invalid" << TDisconnectReasons::DnsLookupFailure;
    }
    void failedConnects()
    {
        QFETCH(QString, host);
        QFETCH(int, reason);
        auto client = makeClient(host, TTestServer::freePort());
        EventLog log(client.get());
        client->Connect();
        QTRY_VERIFY_WITH_TIMEOUT(log.has(TClientEvent::Disconnected), 20000);
        QCOMPARE(log.reason(), reason);
        QCOMPARE(log.count(TClientEvent::Connected), 0);
    }

    void silentPeerEndsQuickly_data()
    {
        QTest::addColumn<bool>("disconnect");
        QTest::addColumn<int>("reason");
        QTest::addColumn<int>("within");
        QTest::newRow("connect time-out") << false << TDisconnectReasons::ConnectionTimedOut << 6000;
        QTest::newRow("own disconnect while connecting") << true << TDisconnectReasons::LocalDisconnect << 3000;
    }
    void silentPeerEndsQuickly()
    {
        QFETCH(bool, disconnect);
        QFETCH(int, reason);
        QFETCH(int, within);
        // A peer that accepts the connection and never speaks.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        auto client = makeClient(QStringLiteral("127.0.0.1"), silent.serverPort());
        client->SetConnectTimeout(2000);
        EventLog log(client.get());
        client->Connect();
        QTRY_VERIFY(silent.hasPendingConnections() || silent.waitForNewConnection(100));
        QElapsedTimer timer;
        timer.start();
        if (disconnect)
            client->Disconnect();
        QTRY_VERIFY_WITH_TIMEOUT(log.has(TClientEvent::Disconnected), 10000);
        QCOMPARE(log.reason(), reason);
        QVERIFY(timer.elapsed() < within);
    }

    void networkLevelAuthenticationAsksForThePassword()
    {
        TTestServer server;
        QVERIFY2(server.start({QStringLiteral("test"), QStringLiteral("secret"), QColor(0x33, 0x66, 0xcc)}),
                 qPrintable(server.error()));
        m_prompts.credentials = TCredentials{QStringLiteral("test"), QString(), QStringLiteral("secret")};
        auto client = makeClient(QStringLiteral("127.0.0.1"), server.port());
        (void)client->SetProperty(TClientProperty::UserName, QStringLiteral("test"));
        EventLog log(client.get());
        client->Connect();
        QTRY_VERIFY_WITH_TIMEOUT(log.has(TClientEvent::Connected) || log.has(TClientEvent::Disconnected), 15000);
        QVERIFY2(log.has(TClientEvent::Connected), qPrintable(QString::number(log.reason())));
        QCOMPARE(m_prompts.credentialsAsked.size(), 1);
        QCOMPARE(m_prompts.credentialsAsked[0].UserName, QStringLiteral("test"));
        client->Disconnect();
        QTRY_VERIFY_WITH_TIMEOUT(log.has(TClientEvent::Disconnected), 5000);

        // Cancelling the prompt ends the attempt as the user's own doing.
        m_prompts.credentials.reset();
        log.events.clear();
        client->Connect();
        QTRY_VERIFY_WITH_TIMEOUT(log.has(TClientEvent::Disconnected), 15000);
        QCOMPARE(log.reason(), TDisconnectReasons::LocalDisconnect);
        QCOMPARE(log.count(TClientEvent::Connected), 0);
    }

    void certificateTrustedAlwaysIsNotAskedAgain()
    {
        TTestServer server;
        QVERIFY2(server.start(), qPrintable(server.error()));
        m_prompts.certificateAnswer = TCertificateDecision::TrustAlways;
        for (int round = 0; round < 2; ++round) {
            auto client = makeClient(QStringLiteral("127.0.0.1"), server.port(), 2);
            EventLog log(client.get());
            client->Connect();
            QTRY_VERIFY_WITH_TIMEOUT(log.has(TClientEvent::Connected) || log.has(TClientEvent::Disconnected), 15000);
            QVERIFY(log.has(TClientEvent::Connected));
            client->Disconnect();
            QTRY_VERIFY_WITH_TIMEOUT(log.has(TClientEvent::Disconnected), 5000);
        }
        QCOMPARE(m_prompts.certificatesAsked.size(), 1);
        QVERIFY(!m_prompts.certificatesAsked[0].Fingerprint.isEmpty());

        // A rejected certificate ends the attempt.
        m_prompts.certificateAnswer = TCertificateDecision::Reject;
        QTemporaryDir otherConfig;
        TFreeRDPClient client(&m_prompts, otherConfig.path());
        client.SetGraphicsPipeline(false);
        (void)client.SetProperty(TClientProperty::Server, QStringLiteral("127.0.0.1"));
        (void)client.SetProperty(TClientProperty::RDPPort, server.port());
        (void)client.SetProperty(TClientProperty::AuthenticationLevel, 2);
        EventLog log(&client);
        client.Connect();
        QTRY_VERIFY_WITH_TIMEOUT(log.has(TClientEvent::Disconnected), 15000);
        QCOMPARE(log.count(TClientEvent::Connected), 0);
        QCOMPARE(log.reason(), TDisconnectReasons::LocalDisconnect);
    }

    void keysAndButtonsArriveOnTheServer()
    {
        TTestServer server;
        QVERIFY2(server.start(), qPrintable(server.error()));
        // xev prints what reaches its window; the pointer over it gives it the keyboard too.
        auto xev =
            server.runOnDisplay(QStringLiteral("stdbuf"), {"-oL", "xev", "-geometry", "1024x768+0+0", "-event",
                                                           "keyboard", "-event", "button", "-event", "structure"});
        QString printed;
        connect(xev.get(), &QProcess::readyReadStandardOutput, this,
                [&] { printed += QString::fromUtf8(xev->readAllStandardOutput()); });
        QTRY_VERIFY_WITH_TIMEOUT(printed.contains("MapNotify"), 10000);

        auto* client = makeClient(QStringLiteral("127.0.0.1"), server.port()).release();
        TFrameRDP frame(client);
        client->setParent(&frame);
        frame.resize(1024, 768);
        frame.show();
        EventLog log(client);
        QVERIFY(connectAndWait(*client, log));
        QTRY_VERIFY_WITH_TIMEOUT(!client->FrameSize().isEmpty(), 10000);

        QMouseEvent move(QEvent::MouseMove, QPointF(300, 300), QPointF(300, 300), Qt::NoButton, {}, {});
        QApplication::sendEvent(&frame, &move);
        QTest::qWait(300);
        const auto key = [&](quint32 keycode, bool down) {
            QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, 0, {}, keycode, 0, 0);
            QApplication::sendEvent(&frame, &event);
        };
        // X11 key codes of a US keyboard: a, Shift+b, Tab, Escape, F5, Left, AltGr+q.
        for (const QList<quint32>& chord : QList<QList<quint32>>{{38}, {50, 56}, {23}, {9}, {71}, {113}, {108, 24}}) {
            for (const quint32 keycode : chord)
                key(keycode, true);
            for (auto it = chord.rbegin(); it != chord.rend(); ++it)
                key(*it, false);
        }
        QTest::mousePress(&frame, Qt::LeftButton, {}, QPoint(300, 300));
        QTest::mouseRelease(&frame, Qt::LeftButton, {}, QPoint(300, 300));
        QWheelEvent wheel(QPointF(300, 300), QPointF(300, 300), {}, QPoint(0, 120), Qt::NoButton, {}, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(&frame, &wheel);

        for (const char* expected : {"keysym 0x61, a)", "keysym 0x42, B)", "Tab)", "Escape)", "F5)", "Left)",
                                     "keysym 0x71, q)", "button 1,", "button 4,"}) {
            QTRY_VERIFY2_WITH_TIMEOUT(printed.contains(QLatin1String(expected)),
                                      qPrintable(QStringLiteral("%1 missing in:\n%2").arg(expected, printed)), 5000);
        }
        QVERIFY(printed.contains("ISO_Level3_Shift)") || printed.contains("Alt_R)"));
        client->Disconnect();
        QTRY_VERIFY_WITH_TIMEOUT(log.has(TClientEvent::Disconnected), 5000);
        xev->kill();
        xev->waitForFinished();
    }

    void twoSessionsAtOnce()
    {
        TTestServer first;
        QVERIFY2(first.start(), qPrintable(first.error()));
        TTestServer second;
        QVERIFY2(second.start({{}, {}, QColor(0xcc, 0x33, 0x66)}), qPrintable(second.error()));
        auto a = makeClient(QStringLiteral("127.0.0.1"), first.port());
        auto b = makeClient(QStringLiteral("127.0.0.1:%1").arg(second.port()), 1);
        EventLog logA(a.get());
        EventLog logB(b.get());
        a->Connect();
        b->Connect();
        QTRY_COMPARE_WITH_TIMEOUT(pixel(*a, {20, 20}), QRgb(0x3366cc), 15000);
        QTRY_COMPARE_WITH_TIMEOUT(pixel(*b, {20, 20}), QRgb(0xcc3366), 15000);
        a->Disconnect();
        QTRY_VERIFY_WITH_TIMEOUT(logA.has(TClientEvent::Disconnected), 5000);
        QVERIFY(!logB.has(TClientEvent::Disconnected));
        b->Disconnect();
        QTRY_VERIFY_WITH_TIMEOUT(logB.has(TClientEvent::Disconnected), 5000);
    }
};

QTEST_MAIN(TestFreeRDPClient)
#include "tst_freerdpclient.moc"
