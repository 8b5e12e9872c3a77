#include "core/TOverviewColumns.h"
#include "core/TQVRDElementList.h"
#include "mainwindow/TFrameOverview.h"
#include "mainwindow/TImageList.h"
#include "mainwindow/TOverviewModel.h"
#include "persist/TIniFile.h"
#include "support/TItemRoles.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace TOverviewColumns;

namespace {
const QString kRoot = QStringLiteral("/srv/prodsite/Connections");

struct Server
{
    const char* path; // below the root
    const char* address;
    int port;
    const char* user;
    const char* alias;
};

const Server kServers[] = {
    {"/Web/web01.rdp", "10.0.0.1", 3389, "admin", "frontdoor"},
    {"/Web/web02.rdp", "10.0.0.2", 443, "ops", ""},
    {"/db01.rdp", "db.corp", 3390, "Ädmin", ""},
    {"/Lab/lab01.rdp", "lab.corp", 13389, "ops", ""},
};

std::unique_ptr<TQVRDElementList> makeList()
{
    auto list = std::make_unique<TQVRDElementList>();
    for (const Server& server : kServers) {
        auto record = std::make_unique<TRDPFile>();
        record->FileName = kRoot + QLatin1String(server.path);
        record->FullAddress = QLatin1String(server.address);
        record->Port = server.port;
        record->UserName = QString::fromUtf8(server.user);
        record->Alias = QLatin1String(server.alias);
        record->Tags = {QStringLiteral("tagonly")};
        list->Add(std::move(record));
    }
    return list;
}

QStringList column(const TOverviewModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.CellText(row, column));
    return texts;
}
} // namespace

class TestOverview : public QObject
{
    Q_OBJECT

private:
    TImageList m_images;

private Q_SLOTS:
    void filter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("names");
        const QStringList all{"web01", "web02", "db01", "lab01"};
        QTest::newRow("empty shows all") << QString() << all;
        QTest::newRow("root path holds it, any case") << QStringLiteral("PROD") << all;
        QTest::newRow("folder") << QStringLiteral("/web/") << QStringList{"web01", "web02"};
        QTest::newRow("address") << QStringLiteral("CORP") << QStringList{"db01", "lab01"};
        QTest::newRow("only ASCII letters fold") << QStringLiteral("ädmin") << QStringList();
        QTest::newRow("user with umlaut as typed") << QStringLiteral("Ädmin") << QStringList{"db01"};
        QTest::newRow("alias is not searched") << QStringLiteral("frontdoor") << QStringList();
        QTest::newRow("tags are not searched") << QStringLiteral("tagonly") << QStringList();
    }

    void filter()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, names);
        const auto list = makeList();
        TFrameOverview frame(m_images);
        frame.SetSource(list.get(), kRoot);
        frame.FilterBox().setText(filter);
        frame.FillOverview();
        QCOMPARE(column(frame.Model(), Name), names);
        QCOMPARE(frame.Model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Name (%1)").arg(names.size()));
    }

    void cellTexts()
    {
        const auto list = makeList();
        list->At(0)->RdpFile().SmartSizing = 2;
        TFrameOverview frame(m_images);
        frame.SetSource(list.get(), kRoot);
        frame.FillOverview();
        const TOverviewModel& model = frame.Model();
        QCOMPARE(column(model, Folder), (QStringList{"/Web/", "/Web/", "/", "/Lab/"}));
        QCOMPARE(model.CellText(0, RdpPort), QStringLiteral("3389"));
        QCOMPARE(model.CellText(0, SmartSize), QStringLiteral("true"));
        QCOMPARE(model.CellText(1, SmartSize), QStringLiteral("false"));
        QCOMPARE(model.CellText(0, Filename), kRoot + QStringLiteral("/Web/web01.rdp"));
        // The row picture follows the session state without a refill.
        QCOMPARE(model.index(0, 0).data(TItemRoles::ImageIndex).toInt(), 0);
        list->At(0)->Connected = true;
        QCOMPARE(model.index(0, 0).data(TItemRoles::ImageIndex).toInt(), 59);
    }

    void sortingByHeaderClicks()
    {
        const auto list = makeList();
        TFrameOverview frame(m_images);
        frame.SetSource(list.get(), kRoot);
        frame.FillOverview();
        TOverviewModel& model = frame.Model();
        frame.List().selectRow(1); // web02, port 443

        frame.ColumnClick(RdpPort);
        // Text order, descending first: "443" comes before "3389".
        QCOMPARE(column(model, RdpPort), (QStringList{"443", "3390", "3389", "13389"}));
        QCOMPARE(model.HeaderImage(RdpPort), 19);
        QCOMPARE(frame.SelectedElements().value(0)->Name(), QStringLiteral("web02"));
        QCOMPARE(model.index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(237, 242, 252));
        QVERIFY(!model.index(1, 0).data(Qt::BackgroundRole).isValid());

        frame.ColumnClick(RdpPort);
        QCOMPARE(column(model, RdpPort), (QStringList{"13389", "3389", "3390", "443"}));
        QCOMPARE(model.HeaderImage(RdpPort), 18);

        frame.ColumnClick(Username); // descending, letters folded; "Ä" is no ASCII letter and sorts last
        QCOMPARE(model.HeaderImage(RdpPort), -1);
        QCOMPARE(column(model, Username).first(), QStringLiteral("Ädmin"));
        QCOMPARE(column(model, Username).last(), QStringLiteral("admin"));

        frame.FillOverview();
        QCOMPARE(column(model, Name), (QStringList{"web01", "web02", "db01", "lab01"}));
    }

    void showColumns_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("rightClickedAt");
        QTest::addColumn<int>("shownAgainAt");
        QTest::newRow("right-clicked width comes back") << int(Domain) << 95 << 95;
        QTest::newRow("never right-clicked: 50") << int(Description) << 0 << 50;
        QTest::newRow("right-clicked while sorted") << int(RdpPort) << 70 << 70;
    }

    void showColumns()
    {
        QFETCH(int, column);
        QFETCH(int, rightClickedAt);
        QFETCH(int, shownAgainAt);
        TFrameOverview frame(m_images);
        QAction* item = frame.ShowColumnItem(column);
        QCOMPARE(item->text(), Caption(column));
        if (rightClickedAt) {
            frame.SetColumnWidth(column, rightClickedAt);
            frame.ColumnClick(column);
            frame.ColumnRightClick(column);
        }
        frame.SetColumnWidth(column, 120);
        item->trigger(); // unchecks
        QCOMPARE(frame.ColumnWidth(column), 0);
        QCOMPARE(item->data().toInt(), 0);
        item->trigger();
        QCOMPARE(frame.ColumnWidth(column), shownAgainAt);
        QCOMPARE(item->data().toInt(), shownAgainAt);
    }

    void layoutStoreKeepsItems()
    {
        QTemporaryDir dir;
        TIniFile store(dir.filePath("qvrdps.ini"));
        {
            TFrameOverview frame(m_images);
            QVERIFY(!frame.ShowColumnItem(Filename)->isChecked());
            QCOMPARE(frame.ColumnWidth(Filename), InitialWidth(Filename));
            frame.SetColumnWidth(Domain, 95);
            frame.ColumnRightClick(Domain);
            frame.ShowColumnItem(Domain)->trigger();
            frame.ShowColumnItem(Domain)->trigger();
            frame.ShowColumnItem(Filename)->trigger();
            frame.ShowColumnItem(CreationTime)->trigger();
            frame.WriteLayout(store, "TFormMain");
        }
        TFrameOverview frame(m_images);
        frame.ReadLayout(store, "TFormMain");
        QCOMPARE(frame.ColumnWidth(Domain), 95);
        QVERIFY(frame.ShowColumnItem(Filename)->isChecked());
        QCOMPARE(frame.ColumnWidth(Filename), 50);
        QVERIFY(!frame.ShowColumnItem(CreationTime)->isChecked());
        QCOMPARE(store.ReadInteger("TFormMain", "mitDomain.Tag", -1), 95);
        QVERIFY(!store.ValueExists("TFormMain", "mitAlias.Checked"));
        QVERIFY(!store.ValueExists("TFormMain", "mitCreationTime.Tag"));
    }

    void keyDelayRefillsOncePerBurst()
    {
        const auto list = makeList();
        TFrameOverview frame(m_images);
        frame.SetSource(list.get(), kRoot);
        QSignalSpy fills(&frame, &TFrameOverview::filled);
        frame.FilterBox().setText("w");
        QTest::qWait(60);
        frame.FilterBox().setText("we");
        frame.FilterBox().setText("web");
        // The running delay was not restarted by the later keys.
        QVERIFY(frame.KeyDelay().remainingTime() <= 150);
        QTRY_COMPARE(fills.size(), 1);
        QCOMPARE(frame.Model().rowCount(), 2);
        QVERIFY(!frame.KeyDelay().isActive());

        frame.FilterBox().setText("web0");
        frame.FilterBox().setText("web01");
        QTRY_COMPARE(fills.size(), 2);
        QCOMPARE(frame.Model().rowCount(), 1);
        QTest::qWait(250);
        QCOMPARE(fills.size(), 2);
    }

    void selectionAndActivation()
    {
        const auto list = makeList();
        TFrameOverview frame(m_images);
        frame.SetSource(list.get(), kRoot);
        frame.FillOverview();
        QStringList selected;
        QStringList activated;
        connect(&frame, &TFrameOverview::rowSelected, this, [&](TQVRDElement* e) { selected.append(e->Name()); });
        connect(&frame, &TFrameOverview::rowActivated, this, [&](TQVRDElement* e) { activated.append(e->Name()); });
        QTest::keyClick(&frame.FilterBox(), Qt::Key_Return); // nothing selected: nothing happens
        QVERIFY(activated.isEmpty());
        frame.List().selectionModel()->select(frame.Model().index(2, 0),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        frame.List().selectionModel()->select(frame.Model().index(1, 0),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        // The first selected row in list order counts.
        QCOMPARE(selected, (QStringList{"db01", "web02"}));
        QTest::keyClick(&frame.FilterBox(), Qt::Key_Return);
        QCOMPARE(activated, QStringList{"web02"});
    }
};

QTEST_MAIN(TestOverview)
#include "tst_overview.moc"
