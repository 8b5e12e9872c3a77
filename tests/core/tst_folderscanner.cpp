#include "../TestFiles.h"
#include "core/TFolderListing.h"
#include "core/TFolderScanner.h"
#include "core/TQVRDElementList.h"
#include "core/TServerTreeModel.h"
#include "persist/TIniFile.h"
#include "persist/TLogEventTable.h"
#include "persist/TOptions.h"
#include "persist/TQVSettings.h"
#include "support/TDateFormat.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
void touch(const QString& path, const QByteArray& bytes = "full address:s:srv\r\n")
{
    QVERIFY(TestFiles::write(path, bytes));
}

/// The tree the way the command-line companion prints it, one node a line.
QString dump(const TServerTreeModel& tree, const QModelIndex& parent = {}, int depth = 0)
{
    QString text;
    for (int row = 0; row < tree.rowCount(parent); ++row) {
        const QModelIndex index = tree.index(row, 0, parent);
        const int number = index.data(TTreeModel::NodeDataRole).toInt();
        text += QString(depth * 2, u' ') + index.data().toString();
        text += number == 0 ? QStringLiteral("/\n") : QStringLiteral(" #%1\n").arg(number);
        text += dump(tree, index, depth + 1);
    }
    return text;
}
} // namespace

class TestFolderScanner : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString root() const { return m_dir.path() + QStringLiteral("/root"); }

private Q_SLOTS:
    void init()
    {
        QDir(root()).removeRecursively();
        QDir().mkpath(root());
    }

    void foldersFirstThenConnections()
    {
        QDir().mkpath(root() + "/A");
        touch(root() + "/B/x.rdp");
        touch(root() + "/B/Y.RDP");
        touch(root() + "/z.rdp");
        TQVRDElementList list;
        TServerTreeModel tree;
        QAbstractItemModelTester tester(&tree);
        TFolderScanner scanner(list, tree);
        QVERIFY(scanner.RefreshConnections(root()).isEmpty());
        QCOMPARE(dump(tree), QStringLiteral("A/\nB/\n  x #1\n  Y #2\nz #3\n"));
        const QModelIndex folder = tree.index(0, 0);
        QCOMPARE(folder.data(TTreeModel::ImageIndexRole).toInt(), 6);
        QCOMPARE(folder.data(TTreeModel::SelectedImageIndexRole).toInt(), 7);
        const QModelIndex server = tree.index(2, 0);
        QCOMPARE(server.data(TTreeModel::ImageIndexRole).toInt(), 0);
        QCOMPARE(server.data(TTreeModel::SelectedImageIndexRole).toInt(), 4);
    }

    void connectionFileTest_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("isConnection");
        QTest::newRow("upper case extension") << "A.RDP" << true;
        QTest::newRow("longer extension") << "a.rdpx" << false;
        QTest::newRow("rdp in the middle") << "notes.rdp.txt" << false;
        QTest::newRow("no dot") << "rdp" << false;
        QTest::newRow("only the extension") << ".rdp" << true;
        QTest::newRow("dotted name") << "web.01.rdp" << true;
    }
    void connectionFileTest()
    {
        QFETCH(QString, name);
        QFETCH(bool, isConnection);
        QCOMPARE(TFolderListing::IsConnectionFileName(name), isConnection);
    }

    void lookAlikesHiddenEntriesAndLinks()
    {
        touch(root() + "/a.rdpx");
        touch(root() + "/notes.rdp.txt");
        touch(root() + "/rdp");
        touch(root() + "/.hidden/h.rdp");
        touch(root() + "/.dot.rdp");
        QDir().mkpath(root() + "/folder.rdp");
        QFile::link(root() + "/missing.rdp", root() + "/dangling.rdp");
        QFile::link(root(), root() + "/loop");
        TQVRDElementList list;
        TServerTreeModel tree;
        TFolderScanner scanner(list, tree);
        QVERIFY(scanner.RefreshConnections(root()).isEmpty());
        QCOMPARE(dump(tree).replace(QRegularExpression(" #\\d+"), QString()),
                 QStringLiteral(".hidden/\n  h\nfolder.rdp/\nloop/\n.dot\n"));
    }

    void badFileIsSkippedAndReported()
    {
        touch(root() + "/a.rdp");
        touch(root() + "/b.rdp", "port:i:abc\r\n");
        touch(root() + "/c.rdp");
        TQVRDElementList list;
        TServerTreeModel tree;
        TFolderScanner scanner(list, tree);
        const QList<TScanError> errors = scanner.RefreshConnections(root());
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors[0].FileName, root() + "/b.rdp");
        QVERIFY(errors[0].Message.contains("abc"));
        QCOMPARE(dump(tree), QStringLiteral("a #1\nc #2\n"));
    }

    void numbersSurviveRefreshesAndDeletions()
    {
        touch(root() + "/a.rdp");
        touch(root() + "/b.rdp");
        TQVRDElementList list;
        TServerTreeModel tree;
        TFolderScanner scanner(list, tree);
        int created = 0;
        scanner.SetElementCreated([&](TQVRDElement*) { ++created; });
        QVERIFY(scanner.RefreshConnections(root()).isEmpty());
        const QString first = dump(tree);
        QVERIFY(scanner.RefreshConnections(root()).isEmpty());
        QCOMPARE(dump(tree), first);
        QCOMPARE(created, 2);

        QFile::remove(root() + "/a.rdp");
        QVERIFY(scanner.RefreshConnections(root()).isEmpty());
        touch(root() + "/c.rdp");
        QVERIFY(scanner.RefreshConnections(root()).isEmpty());
        QCOMPARE(dump(tree), QStringLiteral("b #2\nc #3\n"));
        QCOMPARE(list.Count(), 3);
    }

    void connectedElementKeepsItsIcons()
    {
        touch(root() + "/a.rdp");
        TQVRDElementList list;
        TServerTreeModel tree;
        TFolderScanner scanner(list, tree);
        QVERIFY(scanner.RefreshConnections(root()).isEmpty());
        TQVRDElement* e = list.At(0);
        e->Connected = true;
        e->SetImageIndex(1);
        QVERIFY(scanner.RefreshConnections(root()).isEmpty());
        QCOMPARE(tree.index(0, 0).data(TTreeModel::ImageIndexRole).toInt(), 59);
        QCOMPARE(tree.index(0, 0).data(TTreeModel::SelectedImageIndexRole).toInt(), 59);
        QCOMPARE(e->ImageIndex, 59);
        QCOMPARE(list.Count(), 1);
    }

    void storedHistoryWinsAfterARefresh()
    {
        touch(root() + "/a.rdp");
        touch(root() + "/b.rdp");
        const QString iniPath = m_dir.filePath("qvrd.ini");
        const TDateFormat dates(QLocale::c());
        const QDate yesterday = QDate::currentDate().addDays(-1);
        {
            TIniFile ini(iniPath);
            QVERIFY(ini.WriteDate("History", root() + "/a.rdp", yesterday, dates).ok());
            QVERIFY(ini.WriteString("History", root() + "/gone.rdp", "1/1/2020").ok());
        }
        TIniFile ini(iniPath);
        TOptions options;
        TLogEventTable logEvents;
        TQVRDElementList list;
        TQVSettings settings(ini, options, logEvents, list, dates);
        TServerTreeModel tree;
        TFolderScanner scanner(list, tree);
        QVERIFY(scanner.RefreshConnections(root(), &settings).isEmpty());
        TQVRDElement* a = list.FindByFileName(root() + "/a.rdp");
        QCOMPARE(a->LastUsed.date(), yesterday);
        a->LastUsed = QDateTime::currentDateTime();
        QVERIFY(scanner.RefreshConnections(root(), &settings).isEmpty());
        QCOMPARE(a->LastUsed.date(), yesterday);
        QVERIFY(!list.FindByFileName(root() + "/b.rdp")->LastUsed.isValid());
    }

    void missingRootGivesEmptyTree()
    {
        TQVRDElementList list;
        TServerTreeModel tree;
        TFolderScanner scanner(list, tree);
        QVERIFY(scanner.RefreshConnections(root() + "/nothing").isEmpty());
        QCOMPARE(tree.rowCount(), 0);
    }

    void absoluteIndexes()
    {
        touch(root() + "/B/x.rdp");
        touch(root() + "/z.rdp");
        TQVRDElementList list;
        TServerTreeModel tree;
        TFolderScanner scanner(list, tree);
        QVERIFY(scanner.RefreshConnections(root()).isEmpty());
        QCOMPARE(tree.NodeCount(), 3);
        const QModelIndex x = tree.NodeAtAbsoluteIndex(1);
        QCOMPARE(x.data().toString(), QStringLiteral("x"));
        QCOMPARE(tree.AbsoluteIndex(x), 1);
        QCOMPARE(tree.AbsoluteIndex(tree.index(1, 0)), 2);
        QVERIFY(!tree.NodeAtAbsoluteIndex(3).isValid());
    }

    void restoredSelection_data()
    {
        QTest::addColumn<int>("old");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("restored");
        QTest::newRow("index past the end steps back") << 7 << 5 << 4;
        QTest::newRow("index inside stays") << 2 << 5 << 2;
        QTest::newRow("nothing selected") << -1 << 5 << -1;
        QTest::newRow("empty tree") << 3 << 0 << -1;
    }
    void restoredSelection()
    {
        QFETCH(int, old);
        QFETCH(int, count);
        QFETCH(int, restored);
        QCOMPARE(TServerTreeModel::RestoredSelectionIndex(old, count), restored);
    }
};

QTEST_GUILESS_MAIN(TestFolderScanner)
#include "tst_folderscanner.moc"
