#include "../TestFiles.h"
#include "core/TFolderScanner.h"
#include "core/TQVRDElementList.h"
#include "core/TServerTreeModel.h"
#include "core/TTreeMove.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QTest>

namespace {
/// The tree texts in top-to-bottom order, one string.
QString texts(const TServerTreeModel& tree)
{
    QStringList all;
    for (int i = 0; i < tree.NodeCount(); ++i)
        all.append(tree.NodeAtAbsoluteIndex(i).data().toString());
    return all.join(u'|');
}
} // namespace

class TestServerTree : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    TQVRDElementList m_list;
    TServerTreeModel m_tree;

    QString root() const { return m_dir.path(); }
    QModelIndex at(int absolute) const { return m_tree.NodeAtAbsoluteIndex(absolute); }

private Q_SLOTS:
    void initTestCase()
    {
        // Prod/ (two folders, three files), Prod/Web/, Prod/Empty/, Servers (old)/legacy.rdp, top.rdp
        QVERIFY(TestFiles::write(root() + "/Prod/Web/web01.rdp", "full address:s:10.0.0.5\r\nalias:s:front\r\n"));
        QVERIFY(QDir().mkpath(root() + "/Prod/Empty"));
        for (const char* name : {"/Prod/a.rdp", "/Prod/b.rdp", "/Prod/c.rdp"})
            QVERIFY(TestFiles::write(root() + name, "full address:s:x\r\n"));
        QVERIFY(TestFiles::write(root() + "/Servers (old)/legacy.rdp", "full address:s:old\r\n"));
        QVERIFY(TestFiles::write(root() + "/top.rdp", "full address:s:top\r\n"));
        TFolderScanner scanner(m_list, m_tree);
        QVERIFY(scanner.RefreshConnections(root()).isEmpty());
        QCOMPARE(texts(m_tree), QStringLiteral("Prod|Empty|Web|web01|a|b|c|Servers (old)|legacy|top"));
    }

    void captions_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("alias");
        QTest::addColumn<bool>("panel");
        QTest::addColumn<QString>("caption");
        QTest::newRow("alias and address") << "%ALIAS% (%IP%)"
                                           << "web" << false << "web (10.0.0.5)";
        QTest::newRow("empty alias") << "%ALIAS% (%IP%)"
                                     << "" << false << " (10.0.0.5)";
        QTest::newRow("placeholders are case-sensitive") << "%hostname%"
                                                         << "" << false << "%hostname%";
        QTest::newRow("later steps see earlier values") << "%ALIAS%"
                                                        << "at %IP%" << false << "at 10.0.0.5";
        QTest::newRow("host name") << "[%HOSTNAME%]"
                                   << "" << false << "[web01]";
        QTest::newRow("folder only in panels") << "%FOLDER%/%HOSTNAME%"
                                               << "" << true << "Web/web01";
        QTest::newRow("folder stays elsewhere") << "%FOLDER%"
                                                << "" << false << "%FOLDER%";
    }
    void captions()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, alias);
        QFETCH(bool, panel);
        QFETCH(QString, caption);
        TQVRDElement* e = m_list.FindByFileName(root() + "/Prod/Web/web01.rdp");
        const QString kept = e->RdpFile().Alias;
        e->RdpFile().Alias = alias;
        QCOMPARE(TServerTreeModel::MakeCaption(pattern, *e, panel), caption);
        e->RdpFile().Alias = kept;
    }

    void folderCounts()
    {
        QAbstractItemModelTester tester(&m_tree);
        m_tree.SetFolderCaptions(true);
        QCOMPARE(texts(m_tree), QStringLiteral("Prod (5)|Empty (0)|Web (1)|web01|a|b|c|Servers (old) (1)|legacy|top"));
        m_tree.SetFolderCaptions(true);
        m_tree.SetFolderCaptions(false);
        m_tree.SetFolderCaptions(true);
        QCOMPARE(at(7).data().toString(), QStringLiteral("Servers (old) (1)"));
        QCOMPARE(m_tree.StripFolderCount(at(7)), QStringLiteral("Servers (old)"));
        QCOMPARE(m_tree.GetNodePath(at(8)), QStringLiteral("/Servers (old)/legacy"));
        m_tree.SetFolderCaptions(false);
        QCOMPARE(at(0).data().toString(), QStringLiteral("Prod"));
    }

    void paths_data()
    {
        QTest::addColumn<int>("node");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::newRow("none") << -1 << ""
                              << "";
        QTest::newRow("top-level folder") << 0 << "/Prod"
                                          << "/Prod";
        QTest::newRow("sub folder") << 2 << "/Prod/Web"
                                    << "/Prod/Web";
        QTest::newRow("server in a folder") << 3 << "/Prod/Web/web01"
                                            << "/Prod/Web";
        QTest::newRow("top-level server") << 9 << "/top"
                                          << "";
    }
    void paths()
    {
        QFETCH(int, node);
        QFETCH(QString, path);
        QFETCH(QString, folder);
        m_tree.SetFolderCaptions(true);
        const QModelIndex index = node < 0 ? QModelIndex() : at(node);
        QCOMPARE(m_tree.GetNodePath(index), path);
        QCOMPARE(m_tree.GetNodeFolder(index, root() + u'/'), root() + folder);
    }

    void serverCaptionsReplaceTexts()
    {
        TQVRDElement* e = m_list.FindByFileName(root() + "/Prod/Web/web01.rdp");
        m_tree.SetServerCaption(e->Number(), TServerTreeModel::MakeCaption("%ALIAS% (%IP%)", *e));
        QCOMPARE(at(3).data().toString(), QStringLiteral("front (10.0.0.5)"));
        m_tree.SetServerCaption(e->Number(), QString());
        QCOMPARE(at(3).data().toString(), QStringLiteral("front (10.0.0.5)"));
        QCOMPARE(m_tree.GetNodePath(at(3)), QStringLiteral("/Prod/Web/front (10.0.0.5)"));
        m_tree.SetServerCaption(e->Number(), e->Name());
    }

    void search()
    {
        m_tree.SetFolderCaptions(true);
        QCOMPARE(m_tree.FindServer(QStringLiteral("WEB"), 0), 3);   // inside a closed folder; "Web" folder skipped
        QCOMPARE(m_tree.FindServer(QStringLiteral("WEB"), 4), -1);  // the caller wraps to 0
        QCOMPARE(m_tree.FindServer(QStringLiteral("Prod"), 0), -1); // folders never match
        QCOMPARE(m_tree.FindServer(QString(), 0), -1);
        QCOMPARE(m_tree.FindServer(QStringLiteral("o"), 5), 9); // past "legacy", which has no "o"
    }

    void dragAndDropPlans()
    {
        m_tree.SetFolderCaptions(true);
        QVERIFY(!TTreeMove::AcceptsDrop(at(3)));
        QVERIFY(!TTreeMove::Plan(m_tree, m_list, at(9), at(3), root()));
        QVERIFY(TTreeMove::AcceptsDrop(at(7)));

        const auto server = TTreeMove::Plan(m_tree, m_list, at(9), at(1), root() + u'/');
        QVERIFY(server);
        QCOMPARE(server->Source, root() + "/top.rdp");
        QCOMPARE(server->TargetFolder, root() + "/Prod/Empty");
        QCOMPARE(server->Question, QStringLiteral("Do you realy want to move \"/top\" to \"/Prod/Empty\"?"));

        const auto folder = TTreeMove::Plan(m_tree, m_list, at(7), at(1), root());
        QVERIFY(folder);
        QCOMPARE(folder->Source, root() + "/Servers (old)");

        // A folder into its own subfolder is refused and nothing moves.
        const auto intoItself = TTreeMove::Plan(m_tree, m_list, at(0), at(2), root());
        QVERIFY(intoItself);
        const TStatus refused = intoItself->Execute();
        QCOMPARE(refused.error(), QStringLiteral("Error moving file!"));
        QVERIFY(QFileInfo(root() + "/Prod/Web/web01.rdp").exists());
    }

    void expansionIcons()
    {
        m_tree.SetExpanded(at(0), true);
        QCOMPARE(at(0).data(TTreeModel::ImageIndexRole).toInt(), 9);
        QCOMPARE(at(0).data(TTreeModel::SelectedImageIndexRole).toInt(), 10);
        m_tree.SetExpanded(at(0), false);
        QCOMPARE(at(0).data(TTreeModel::ImageIndexRole).toInt(), 6);
        m_tree.SetExpanded(at(3), true);
        QCOMPARE(at(3).data(TTreeModel::ImageIndexRole).toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TestServerTree)
#include "tst_servertree.moc"
