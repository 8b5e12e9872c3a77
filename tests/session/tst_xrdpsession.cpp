#include "TScriptedPrompts.h"
#include "TXrdpServer.h"
#include "session/TFreeRDPClient.h"
#include "session/TLocalClipboard.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {
/// A clipboard of the test's own, standing in for the desktop's.
class MemoryClipboard : public TLocalClipboard
{
public:
    QString text;
    QString Text() const override { return text; }
    void SetText(const QString& value) override
    {
        text = value;
        Q_EMIT changed();
    }
};

/// Types on the remote keyboard, as a user at the server's logon screen would.
void type(TMsRdpClient5& client, const QString& keys)
{
    static const QString rows[] = {QStringLiteral("qwertyuiop"), QStringLiteral("asdfghjkl"),
                                   QStringLiteral("zxcvbnm")};
    static const quint16 rowStart[] = {0x10, 0x1E, 0x2C};
    for (const QChar c : keys) {
        quint16 scancode = 0;
        if (c == u'-')
            scancode = 0x0C;
        else if (c == u'\t')
            scancode = 0x0F;
        else if (c == u'\n')
            scancode = 0x1C;
        for (int r = 0; r < 3 && scancode == 0; ++r) {
            const qsizetype at = rows[r].indexOf(c);
            if (at >= 0)
                scancode = quint16(rowStart[r] + at);
        }
        client.SendKey(scancode, false, true);
        client.SendKey(scancode, false, false);
        QTest::qWait(20);
    }
}
} // namespace

class TestXrdpSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void logonAndClipboardBothWays()
    {
        if (geteuid() != 0)
            QSKIP("the xrdp test creates a user and runs xrdp's session manager, which needs root");
        TXrdpServer server;
        QVERIFY2(server.start(), qPrintable(server.error()));

        QTemporaryDir config;
        TScriptedPrompts prompts;
        MemoryClipboard clipboard;
        TFreeRDPClient client(&prompts, config.path());
        client.SetGraphicsPipeline(false);
        client.SetClipboard(&clipboard);
        (void)client.SetProperty(TClientProperty::Server, QStringLiteral("127.0.0.1"));
        (void)client.SetProperty(TClientProperty::RDPPort, server.port());
        (void)client.SetProperty(TClientProperty::AudioRedirectionMode, 2);
        bool connected = false;
        bool disconnected = false;
        connect(&client, &TMsRdpClient5::eventRaised, this, [&](TClientEvent e, int, int) {
            connected |= e == TClientEvent::Connected;
            disconnected |= e == TClientEvent::Disconnected;
        });
        QList<QCursor> cursors;
        connect(&client, &TMsRdpClient5::cursorChanged, this, [&](const QCursor& cursor) { cursors.append(cursor); });
        client.Connect();
        QTRY_VERIFY_WITH_TIMEOUT(connected, 15000);
        // The logon screen is drawn once the first frames arrived.
        QTest::qWait(1500);
        type(client, TXrdpServer::User + u'\t' + TXrdpServer::Password + u'\n');
        // The session's clipboard works some time after its desktop appears: copy until the text arrives.
        // (The session commands take seconds each, so the waits count real time, not loop steps.)
        QDeadlineTimer deadline(60000);
        while (clipboard.text != QLatin1String("from the server") && !deadline.hasExpired()) {
            (void)server.runInSession("xclip", {"-selection", "clipboard", "-i"}, "from the server");
            QTest::qWait(1000);
        }
        QCOMPARE(clipboard.text, QStringLiteral("from the server"));

        clipboard.SetText(QStringLiteral("from the client"));
        QString pasted;
        deadline.setRemainingTime(20000);
        while (pasted != QLatin1String("from the client") && !deadline.hasExpired()) {
            pasted = server.runInSession("xclip", {"-o", "-selection", "clipboard"}).value_or(QString());
            QTest::qWait(200);
        }
        QCOMPARE(pasted, QStringLiteral("from the client"));
        // The server's pointer shapes reach the frame as cursors.
        QVERIFY(std::any_of(cursors.begin(), cursors.end(), [](const QCursor& c) { return !c.pixmap().isNull(); }));
        QVERIFY(!disconnected);
        client.Disconnect();
        QTRY_VERIFY_WITH_TIMEOUT(disconnected, 10000);
    }
};

QTEST_MAIN(TestXrdpSession)
#include "tst_xrdpsession.moc"
