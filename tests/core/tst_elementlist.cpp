#include "core/TQVRDElementList.h"
#include "support/TDateFormat.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
std::unique_ptr<TRDPFile> record(const QString& path, const QString& address = QString())
{
    auto file = std::make_unique<TRDPFile>(path);
    file->FullAddress = address;
    return file;
}
} // namespace

class TestElementList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numbersAreTheSmallestFree()
    {
        TQVRDElementList list;
        QCOMPARE(list.Add(record("/c/a.rdp"))->Number(), 1);
        QCOMPARE(list.Add(record("/c/b.rdp"))->Number(), 2);
        QCOMPARE(list.Add(record("/c/c.rdp"))->Number(), 3);
        list.Delete(1);
        QCOMPARE(list.NextFreeNumber(), 2);
        QCOMPARE(list.Add(record("/c/d.rdp"))->Number(), 2);
        QCOMPARE(list.FindByNumber(3)->Name(), QStringLiteral("c"));
        QCOMPARE(list.NextFreeNumber(), 4);
        QCOMPARE(list.Count(), 3);
    }

    void addReadsTheFileOrFails()
    {
        TQVRDElementList list;
        auto missing = list.Add(QStringLiteral("/nonexistent/srv.rdp"));
        QVERIFY(missing.ok());
        QCOMPARE(missing.value()->RdpFile().Port, 3389);
        QCOMPARE(missing.value()->Name(), QStringLiteral("srv"));
    }

    void lookupsAreExactAndFirstInListOrder()
    {
        TQVRDElementList list;
        TQVRDElement* a = list.Add(record("/c/web.rdp", "srv01"));
        TQVRDElement* b = list.Add(record("/d/web.rdp", "srv01"));
        QCOMPARE(list.FindByName(QStringLiteral("web")), a);
        QCOMPARE(list.FindByAddress(QStringLiteral("srv01")), a);
        QCOMPARE(list.FindByFileName(QStringLiteral("/d/web.rdp")), b);
        QCOMPARE(list.FindByFileName(QStringLiteral("/D/web.rdp")), nullptr);
        QCOMPARE(list.FindByName(QStringLiteral("Web")), nullptr);
        QCOMPARE(list.FindByNumber(0), nullptr);
        QCOMPARE(list.FindByTabSheet(nullptr), nullptr);

        // After a reorder the first match follows the new order.
        a->LastUsed = QDateTime::currentDateTime();
        list.SortByLastUsed();
        QCOMPARE(list.FindByName(QStringLiteral("web")), b);
    }

    void lookupsFollowRenames()
    {
        QTemporaryDir dir;
        TQVRDElementList list;
        TQVRDElement* e = list.Add(record(dir.filePath("old.rdp")));
        QVERIFY(e->RdpFile().SaveAs(dir.filePath("new.rdp")).ok());
        QCOMPARE(list.FindByFileName(dir.filePath("old.rdp")), nullptr);
        QCOMPARE(list.FindByFileName(dir.filePath("new.rdp")), e);
        e->SetName(QStringLiteral("new"));
        QCOMPARE(list.FindByName(QStringLiteral("old")), nullptr);
        QCOMPARE(list.FindByName(QStringLiteral("new")), e);
    }

    void tabAndConnectedCount()
    {
        TQVRDElementList list;
        QObject tab;
        list.Add(record("/a.rdp"));
        TQVRDElement* b = list.Add(record("/b.rdp"));
        b->TabSheet = &tab;
        b->Connected = true;
        QCOMPARE(list.FindByTabSheet(&tab), b);
        QCOMPARE(list.ConnectedCount(), 1);
    }

    void filter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("matches");
        QTest::newRow("empty matches all") << "" << true;
        QTest::newRow("address, ASCII case folded") << "SRV" << true;
        QTest::newRow("name") << "WEB-0" << true;
        QTest::newRow("user") << "admin" << true;
        QTest::newRow("domain") << "corp" << true;
        QTest::newRow("folder") << "/prod/" << true;
        QTest::newRow("full path") << "web-01.RDP" << true;
        QTest::newRow("description") << "rack 7" << true;
        QTest::newRow("alias is not searched") << "frontdoor" << false;
        QTest::newRow("tags are not searched") << "dmz" << false;
        QTest::newRow("non-ASCII letters are not folded") << "Ä" << false;
        QTest::newRow("non-ASCII exact") << "ä" << true;
    }
    void filter()
    {
        QFETCH(QString, filter);
        QFETCH(bool, matches);
        TQVRDElementList list;
        auto file = record("/root/Prod/web-01.rdp", "srv01.example");
        file->UserName = QStringLiteral("Administrator");
        file->Domain = QStringLiteral("CORP");
        file->Description = QStringLiteral("Rack 7, Büro ä");
        file->Alias = QStringLiteral("frontdoor");
        file->Tags = QStringList{"dmz"};
        QCOMPARE(list.Add(std::move(file))->MatchesFilter(filter), matches);
    }

    void historyGroupsByDay()
    {
        const TDateFormat dates(QLocale::c());
        TQVRDElementList list;
        TQVRDElement* never = list.Add(record("/never.rdp"));
        TQVRDElement* morning = list.Add(record("/morning.rdp"));
        TQVRDElement* old = list.Add(record("/old.rdp"));
        TQVRDElement* evening = list.Add(record("/evening.rdp"));
        Q_UNUSED(never);
        morning->LastUsed = QDateTime(QDate(2026, 12, 10), QTime(9, 0));
        evening->LastUsed = QDateTime(QDate(2026, 12, 10), QTime(17, 0));
        old->LastUsed = QDateTime(QDate(2026, 1, 5), QTime(12, 0));

        const QList<THistoryGroup> groups = list.FillHistoryList(dates);
        QVERIFY(list.SortedByLastUsed());
        QCOMPARE(groups.size(), 2);
        QCOMPARE(groups[0].Header, dates.formatShortDate(QDate(2026, 12, 10)));
        QCOMPARE(groups[0].Elements.size(), 2);
        QCOMPARE(groups[1].Elements, QList<TQVRDElement*>{old});

        // Later changes do not reorder until the next explicit sort.
        old->LastUsed = QDateTime(QDate(2026, 12, 11), QTime(8, 0));
        const QList<THistoryGroup> again = list.FillHistoryList(dates);
        QCOMPARE(again.last().Elements, QList<TQVRDElement*>{old});
    }

    void noHistoryNoGroups()
    {
        TQVRDElementList list;
        list.Add(record("/a.rdp"));
        QVERIFY(list.FillHistoryList(TDateFormat(QLocale::c())).isEmpty());
    }

    void collectTagsKeepsDuplicatesInListOrder()
    {
        TQVRDElementList list;
        list.Add(record("/a.rdp"))->RdpFile().Tags = QStringList{"db", "web"};
        list.Add(record("/b.rdp"));
        list.Add(record("/c.rdp"))->RdpFile().Tags = QStringList{"db"};
        QCOMPARE(list.CollectTags(), (QStringList{"db", "web", "db"}));
    }
};

QTEST_GUILESS_MAIN(TestElementList)
#include "tst_elementlist.moc"
