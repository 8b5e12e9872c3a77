#include "core/TQVRDElementList.h"
#include "core/TTagsTreeModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

namespace {
TQVRDElement* add(TQVRDElementList& list, const QString& name, const QStringList& tags)
{
    auto file = std::make_unique<TRDPFile>(u'/' + name + QStringLiteral(".rdp"));
    file->Tags = tags;
    return list.Add(std::move(file));
}

/// The tree as text: "tag(child,child) tag2()".
QString dump(const QAbstractItemModel& model, const QModelIndex& parent = {})
{
    QStringList parts;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        QString part = index.data().toString();
        if (model.rowCount(index) > 0 || !parent.isValid())
            part += u'(' + dump(model, index) + u')';
        parts.append(part);
    }
    return parts.join(parent.isValid() ? u',' : u' ');
}
} // namespace

class TestTagsTree : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void similarTagsKeepTheirOwnServers()
    {
        TQVRDElementList list;
        add(list, "alpha", {"mydb"});
        add(list, "beta", {"db"});
        TTagsTreeModel model;
        QAbstractItemModelTester tester(&model);
        model.BuildTagsTree(list);
        QCOMPARE(dump(model), QStringLiteral("mydb(alpha) db(beta)"));
    }

    void rebuildKeepsSurvivingTagNodes()
    {
        TQVRDElementList list;
        TQVRDElement* a = add(list, "alpha", {"db", "web"});
        add(list, "beta", {"db"});
        TTagsTreeModel model;
        QAbstractItemModelTester tester(&model);
        model.BuildTagsTree(list);
        QCOMPARE(dump(model), QStringLiteral("db(alpha,beta) web(alpha)"));

        const QPersistentModelIndex db = model.index(0, 0);
        model.BuildTagsTree(list);
        QCOMPARE(dump(model), QStringLiteral("db(alpha,beta) web(alpha)"));
        QVERIFY(db.isValid());
        QCOMPARE(db.row(), 0);

        // The last carrier of "web" drops it: its node goes, "db" stays the same node.
        a->RdpFile().Tags = QStringList{"db"};
        model.BuildTagsTree(list);
        QCOMPARE(dump(model), QStringLiteral("db(alpha,beta)"));
        QVERIFY(db.isValid());
    }

    void tagsMatchWithoutRegardToCaseWhenPruning()
    {
        TQVRDElementList list;
        TQVRDElement* a = add(list, "alpha", {"DB"});
        TTagsTreeModel model;
        QAbstractItemModelTester tester(&model);
        model.BuildTagsTree(list);
        const QPersistentModelIndex node = model.index(0, 0);
        a->RdpFile().Tags = QStringList{"db"};
        model.BuildTagsTree(list);
        // The old node "DB" survives the pruning, which ignores case; "db" is another text, so it gets a node
        // of its own with the server below it.
        QVERIFY(node.isValid());
        QCOMPARE(dump(model), QStringLiteral("DB() db(alpha)"));
    }

    void serverNamedLikeATagSurvives()
    {
        TQVRDElementList list;
        add(list, "web", {"db"});
        add(list, "other", {"web"});
        TTagsTreeModel model;
        QAbstractItemModelTester tester(&model);
        model.BuildTagsTree(list);
        // The server node "web" below "db" comes first in tree order, so "other" goes below it.
        QCOMPARE(dump(model), QStringLiteral("db(web(other)) web()"));
        // Nothing changed: the tree stays as it is (building again would keep the server node "web", whose
        // text is a tag, and add a second one on every refresh).
        model.BuildTagsTree(list);
        QCOMPARE(dump(model), QStringLiteral("db(web(other)) web()"));
        // After a change the steps run again: the pruning keeps that server node, since its text is a tag.
        add(list, "third", {});
        model.BuildTagsTree(list);
        QCOMPARE(dump(model), QStringLiteral("db(web(other),web) web()"));
    }

    void duplicateTagsGiveOneNode()
    {
        TQVRDElementList list;
        add(list, "a", {"x", "x"});
        TTagsTreeModel model;
        model.BuildTagsTree(list);
        QCOMPARE(dump(model), QStringLiteral("x(a,a)"));
        QCOMPARE(model.index(0, 0).data(TTreeModel::ImageIndexRole).toInt(), 6);
        QCOMPARE(model.index(0, 0, model.index(0, 0)).data(TTreeModel::ImageIndexRole).toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTagsTree)
#include "tst_tagstree.moc"
