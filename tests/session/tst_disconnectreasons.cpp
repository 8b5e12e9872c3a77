#include "core/TDisconnectReasons.h"
#include "session/TFreeRDPErrors.h"

#include <QTest>

class TestDisconnectReasons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromFreeRDP_data()
    {
        QTest::addColumn<quint32>("lastError");
        QTest::addColumn<quint32>("errorInfo");
        QTest::addColumn<bool>("own");
        QTest::addColumn<bool>("timedOut");
        QTest::addColumn<bool>("wasConnected");
        QTest::addColumn<int>("reason");
        QTest::newRow("own disconnect wins") << 0x2000Du << 0u << true << false << true << 1;
        QTest::newRow("own abort while connecting") << 0x2000Bu << 0u << true << false << false << 1;
        QTest::newRow("time-out") << 0x2000Bu << 0u << false << true << false << 264;
        QTest::newRow("refused port") << 0x2000Du << 0u << false << false << false << 516;
        QTest::newRow("dropped after connect") << 0x2000Du << 0u << false << false << true << 2308;
        QTest::newRow("name not found") << 0x20005u << 0u << false << false << false << 260;
        QTest::newRow("name lookup error") << 0x20004u << 0u << false << false << false << 1288;
        QTest::newRow("TLS failure") << 0x20008u << 0u << false << false << false << 2310;
        QTest::newRow("security negotiation") << 0x2000Cu << 0u << false << false << false << 2310;
        QTest::newRow("credentials cancelled") << 0x2001Bu << 0u << false << false << false << 1;
        QTest::newRow("server disconnect") << 0u << 0x1u << false << false << true << 3;
        QTest::newRow("idle time-out by server") << 0x2000Du << 0x3u << false << false << true << 3;
        QTest::newRow("user logged off") << 0u << 0xCu << false << false << true << 2;
        QTest::newRow("disconnected by user") << 0u << 0xBu << false << false << true << 2;
        QTest::newRow("decrypt failure") << 0u << 0x1192u << false << false << true << 3078;
        QTest::newRow("encrypt failure") << 0u << 0x1193u << false << false << true << 2822;
        QTest::newRow("error info wins over transport") << 0x2000Du << 0x1u << false << false << true << 3;
    }
    void fromFreeRDP()
    {
        QFETCH(quint32, lastError);
        QFETCH(quint32, errorInfo);
        QFETCH(bool, own);
        QFETCH(bool, timedOut);
        QFETCH(bool, wasConnected);
        QFETCH(int, reason);
        QCOMPARE(TFreeRDPErrors::DisconnectReason({lastError, errorInfo, own, timedOut, wasConnected}), reason);
    }

    void logonFailures()
    {
        QVERIFY(TFreeRDPErrors::IsLogonFailure(0x20015)); // wrong password
        QVERIFY(TFreeRDPErrors::IsLogonFailure(0x20014)); // logon failure
        QVERIFY(!TFreeRDPErrors::IsLogonFailure(0x2000D));
    }

    void texts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("level");
        QTest::newRow("server") << 3 << "Remote disconnection by server. (Not an error code.)"
                                << int(TLogLevel::Disconnecting);
        QTest::newRow("time-out") << 264 << "Connection timed out." << int(TLogLevel::Error);
        QTest::newRow("socket closed") << 2308 << "Socket closed." << int(TLogLevel::Error);
        QTest::newRow("host not found") << 520 << "\"Host not found\" error." << int(TLogLevel::Error);
        QTest::newRow("no information") << 0 << "No information is available." << int(TLogLevel::Warning);
        QTest::newRow("unknown") << 5 << "" << int(TLogLevel::Info);
    }
    void texts()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(int, level);
        QCOMPARE(TDisconnectReasons::Text(code), text);
        QCOMPARE(int(TDisconnectReasons::Level(code)), level);
    }
};

QTEST_GUILESS_MAIN(TestDisconnectReasons)
#include "tst_disconnectreasons.moc"
