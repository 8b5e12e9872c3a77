#include "core/TCommandStates.h"

#include <QTest>

Q_DECLARE_METATYPE(TSelectionState)

class TestCommandStates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void states_data()
    {
        QTest::addColumn<TSelectionState>("selection");
        // Expected, in order: connect, disconnect, new window, delete/edit/duplicate server, delete folder,
        // rename folder, connect to all, remove favorite, add favorite, panel visible.
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QString>("panel");
        TSelectionState none;
        QTest::newRow("nothing selected") << none << "000 0 0 1 1 0 0 0"
                                          << "";
        TSelectionState emptyFolder{true, false, false, false, false, false, {}};
        QTest::newRow("empty folder") << emptyFolder << "000 0 1 1 1 0 0 0"
                                      << "";
        TSelectionState folder{true, false, false, false, true, false, {}};
        QTest::newRow("folder with a child") << folder << "000 0 0 1 1 0 0 0"
                                             << "";
        TSelectionState idle{true, true, false, false, false, false, {}};
        QTest::newRow("idle connection") << idle << "101 1 0 0 0 0 1 1"
                                         << "Not connected";
        TSelectionState connecting{true, true, false, true, false, true, {}};
        QTest::newRow("connecting favorite") << connecting << "000 1 0 0 0 1 0 1"
                                             << "Not connected";
        TSelectionState connected{true, true, true, false, false, false, "11.12.2026 09:00:00"};
        QTest::newRow("connected") << connected << "010 1 0 0 0 0 1 1"
                                   << "Connect time: 11.12.2026 09:00:00";
    }
    void states()
    {
        QFETCH(TSelectionState, selection);
        QFETCH(QString, enabled);
        QFETCH(QString, panel);
        const TCommandStates s = TCommandStates::For(selection);
        const bool serverCommands = s.ServerDel && s.ServerEdit && s.ServerDuplicate;
        QCOMPARE(s.ServerDel || s.ServerEdit || s.ServerDuplicate, serverCommands);
        const auto bit = [](bool b) { return b ? u'1' : u'0'; };
        const QString actual = QString() + bit(s.ServerConnect) + bit(s.ServerDisconnect) +
                               bit(s.ServerConnectNewWindow) + u' ' + bit(serverCommands) + u' ' + bit(s.GroupDel) +
                               u' ' + bit(s.GroupRen) + u' ' + bit(s.ServerRunGroup) + u' ' + bit(s.FavRemove) + u' ' +
                               bit(s.FavAdd) + u' ' + bit(s.ConnectTimeVisible);
        QCOMPARE(actual, enabled);
        QCOMPARE(s.ConnectTimeText, panel);
    }

    void trayHint()
    {
        QCOMPARE(TCommandStates::TrayHint("Velmora", 0), QStringLiteral("Velmora"));
        QCOMPARE(TCommandStates::TrayHint("Velmora", 1), QStringLiteral("Velmora (1 active connection)"));
        QCOMPARE(TCommandStates::TrayHint("Velmora", 2), QStringLiteral("Velmora (2 active connections)"));
    }
};

QTEST_GUILESS_MAIN(TestCommandStates)
#include "tst_commandstates.moc"
