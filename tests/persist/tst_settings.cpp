#include "core/TQVRDElementList.h"
#include "persist/TIniFile.h"
#include "persist/TLogEventTable.h"
#include "persist/TOptions.h"
#include "persist/TQVSettings.h"
#include "support/TDateFormat.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
class FakeWindow : public IWindowSettings
{
public:
    TMainLayout layout;
    QList<int> widths = QList<int>() << 200 << 100 << -1;
    QMap<int, int> appliedWidths;

    TMainLayout MainLayout() const override { return layout; }
    void ApplyMainLayout(const TMainLayout& l) override { layout = l; }
    QList<int> OverviewColumnWidths() const override { return widths; }
    void ApplyOverviewColumnWidths(const QMap<int, int>& w) override { appliedWidths = w; }
};

/// Everything one run of the program keeps, built on one settings file.
struct Session
{
    explicit Session(const QString& path)
        : ini(path)
        , settings(ini, options, logEvents, list, dates)
    {}
    TIniFile ini;
    TOptions options;
    TLogEventTable logEvents;
    TQVRDElementList list;
    TDateFormat dates{QLocale::c()};
    TQVSettings settings;

    TQVRDElement* add(const QString& path) { return list.Add(std::make_unique<TRDPFile>(path)); }
};

QStringList sectionsOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList sections;
    static const QRegularExpression header(QStringLiteral("^\\[(.*)\\]$"), QRegularExpression::MultilineOption);
    auto it = header.globalMatch(QString::fromUtf8(file.readAll()).remove(u'\r'));
    while (it.hasNext())
        sections.append(it.next().captured(1));
    return sections;
}
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("qvrd.ini")); }

private Q_SLOTS:
    void init() { QFile::remove(path()); }

    void firstStartDefaults()
    {
        Session s(path());
        FakeWindow window;
        s.options.ServerTasks.clear();
        s.settings.LoadSettings(&window);
        QCOMPARE(s.options.ServerTasks, TOptions::DefaultServerTasks());
        QCOMPARE(s.options.ServerTasks.size(), 5);
        QCOMPARE(s.logEvents.Entries().size(), 26);
        QVERIFY(std::all_of(s.logEvents.Entries().begin(), s.logEvents.Entries().end(),
                            [](const auto& e) { return e.Enabled; }));
        QCOMPARE(window.layout, TMainLayout());
        QVERIFY(!window.layout.Height && !window.layout.ShowTabGroups && window.layout.ShowTabHeaders);
        QCOMPARE(window.layout.ColorSchemeName, QStringLiteral("Blue"));
        QCOMPARE(s.options.ResolveConnectionRootFolder(m_dir.path() + u'/'), m_dir.path() + "/Connections");
        QVERIFY(!QFile::exists(path()));
    }

    void fullSaveWritesEverySectionAndReadsBack()
    {
        FakeWindow window;
        window.layout.Height = 600;
        window.layout.Left = -8;
        window.layout.ColorSchemeName = QStringLiteral("Black");
        window.layout.ShowTabGroups = true;
        window.layout.FavHeight = 150;
        {
            Session s(path());
            TQVRDElement* web = s.add(QStringLiteral("/c/web.rdp"));
            s.add(QStringLiteral("/c/db.rdp"))->LastUsed = QDateTime(QDate(2026, 12, 1), QTime(8, 0));
            web->LastUsed = QDateTime(QDate(2026, 12, 10), QTime(9, 0));
            s.settings.Favorites = {{"web", "/c/web.rdp"}, {"gone", "/c/gone.rdp"}};
            s.settings.LastEditFiles = {{"web.rdp", "/c/web.rdp"}, {"gone", "/c/gone.rdp"}};
            for (int i = 0; i < 12; ++i)
                s.list.RecentFiles.append(QStringLiteral("/c/r%1.rdp").arg(i));
            s.settings.Export = {false, QStringLiteral(" "), QStringLiteral("out.csv"), {{0, true}, {3, false}}};
            s.options.Foldername = true;
            s.options.ConnectionRootFolder = QStringLiteral("/srv/rdp");
            s.options.ServerTasks = {{"Ping", "ping %IP%"}};
            s.logEvents.SetEntries({{"Warning", true}, {"connected", false}});
            QVERIFY(s.settings.SaveSettings(&window).ok());
        }
        QCOMPARE(sectionsOf(path()),
                 (QStringList{"MAIN", "FAVORITES", "OPTIONS", "SERVER TASKS", "OVERVIEW", "History", "LAST USED",
                              "LAST EDIT RDP FILES", "EXPORT", "ExportFields", "LOG EVENTS"}));

        Session s(path());
        s.add(QStringLiteral("/c/web.rdp"));
        s.add(QStringLiteral("/c/db.rdp"));
        FakeWindow restored;
        s.settings.ReadFavorites();
        s.settings.LoadSettings(&restored);
        s.settings.ApplyHistory();
        QCOMPARE(restored.layout, window.layout);
        QCOMPARE(restored.appliedWidths, (QMap<int, int>{{0, 200}, {1, 100}, {2, -1}}));
        QCOMPARE(s.settings.Favorites, (QList<TNamedPath>{{"web", "/c/web.rdp"}}));
        QCOMPARE(s.settings.LastEditFiles, (QList<TNamedPath>{{"web.rdp", "/c/web.rdp"}}));
        QCOMPARE(s.list.RecentFiles.size(), 10);
        QCOMPARE(s.list.RecentFiles.first(), QStringLiteral("/c/r0.rdp"));
        QCOMPARE(s.settings.Export.Separator, QStringLiteral(" "));
        QCOMPARE(s.settings.Export.Captions, false);
        QCOMPARE(s.settings.Export.Fields, (QMap<int, bool>{{0, true}, {3, false}}));
        QVERIFY(s.options.Foldername);
        QCOMPARE(s.options.ConnectionRootFolder, QStringLiteral("/srv/rdp"));
        QCOMPARE(s.options.ServerTasks, (QList<TServerTask>{{"Ping", "ping %IP%"}}));
        QCOMPARE(s.logEvents.Entries(), (QList<TLogEventTable::Entry>{{"connected", false}, {"Warning", true}}));
        QCOMPARE(s.list.FindByFileName("/c/web.rdp")->LastUsed, QDateTime(QDate(2026, 12, 10), QTime(0, 0)));
        QCOMPARE(s.list.FindByFileName("/c/db.rdp")->LastUsed.date(), QDate(2026, 12, 1));
    }

    void historyKeepsOnlyDays()
    {
        {
            Session s(path());
            s.add("/a.rdp")->LastUsed = QDateTime(QDate(2026, 12, 11), QTime(9, 0));
            s.add("/b.rdp")->LastUsed = QDateTime(QDate(2026, 12, 11), QTime(17, 0));
            s.add("/never.rdp");
            QVERIFY(s.settings.SaveSettings(nullptr).ok());
        }
        QVERIFY(TIniFile(path()).WriteString("History", "/bad.rdp", "someday").ok());
        Session s(path());
        TQVRDElement* a = s.add("/a.rdp");
        TQVRDElement* b = s.add("/b.rdp");
        TQVRDElement* bad = s.add("/bad.rdp");
        bad->LastUsed = QDateTime::currentDateTime();
        s.settings.ApplyHistory();
        QCOMPARE(a->LastUsed, b->LastUsed);
        QVERIFY(!bad->LastUsed.isValid());
        QCOMPARE(TIniFile(path()).ReadSection("History").size(), 3);
    }

    void logEventsHoldExactlyTheStoredKeys()
    {
        QVERIFY(TIniFile(path()).WriteString("LOG EVENTS", "Connected", "0").ok());
        Session s(path());
        s.settings.LoadSettings(nullptr);
        QCOMPARE(s.logEvents.Entries(), (QList<TLogEventTable::Entry>{{"Connected", false}}));
        QVERIFY(!s.logEvents.IsEventLogged("Connected"));
        QVERIFY(s.logEvents.IsEventLogged("Disconnected"));
    }

    void serverTaskRules()
    {
        {
            Session s(path());
            s.options.ServerTasks = {{"", "ignored"}};
            QVERIFY(s.options.SaveOptions(s.ini).ok());
        }
        QVERIFY(TIniFile(path()).SectionExists("SERVER TASKS"));
        {
            Session s(path());
            s.options.LoadOptions(s.ini);
            QCOMPARE(s.options.ServerTasks, TOptions::DefaultServerTasks());
            s.options.ServerTasks = {{"Ping", "one"}, {"PING", "two"}};
            QVERIFY(s.options.SaveOptions(s.ini).ok());
        }
        Session s(path());
        s.options.LoadOptions(s.ini);
        QCOMPARE(s.options.ServerTasks, (QList<TServerTask>{{"Ping", "two"}}));
    }

    void favoritesWithOneNameShareAKey()
    {
        {
            Session s(path());
            s.add("/a/web.rdp");
            s.add("/b/web.rdp");
            s.settings.Favorites = {{"web", "/a/web.rdp"}, {"web", "/b/web.rdp"}};
            QVERIFY(s.settings.SaveSettings(nullptr).ok());
        }
        Session s(path());
        s.settings.ReadFavorites();
        QCOMPARE(s.settings.Favorites, (QList<TNamedPath>{{"web", "/b/web.rdp"}}));
    }

    void overviewWidthsSkipInvalidEntries()
    {
        QVERIFY(
            TIniFile(path()).WriteSection("OVERVIEW", {{"0", "120"}, {"1", "-3"}, {"2", "wide"}, {"3", "-2"}}).ok());
        Session s(path());
        FakeWindow window;
        s.settings.LoadSettings(&window);
        QCOMPARE(window.appliedWidths, (QMap<int, int>{{0, 120}, {3, -2}}));
    }

    void geometryOnlyWhenPresent()
    {
        QVERIFY(TIniFile(path()).WriteString("MAIN", "TOP", "junk").ok());
        Session s(path());
        const TMainLayout layout = s.settings.ReadMainLayout();
        QCOMPARE(layout.Top, std::optional<int>(0));
        QVERIFY(!layout.Height && !layout.Left && !layout.Width);
    }

    void saveFailureNamesTheFile()
    {
        const QString unwritable = m_dir.filePath(QStringLiteral("gone/qvrd.ini"));
        Session s(unwritable);
        const TStatus status = s.settings.SaveSettings(nullptr);
        QVERIFY(!status.ok());
        QVERIFY(status.error().contains(unwritable));
    }

    void rootFolder_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("resolved");
        QTest::newRow("stored default") << "\\Connections"
                                        << "/opt/velmora/Connections";
        QTest::newRow("relative name") << "Servers"
                                       << "/opt/velmora/Servers";
        QTest::newRow("relative with backslashes") << "a\\b\\"
                                                   << "/opt/velmora/a/b";
        QTest::newRow("absolute with trailing delimiter") << "/srv/rdp/"
                                                          << "/srv/rdp";
        QTest::newRow("empty is the start directory") << ""
                                                      << "/opt/velmora";
    }
    void rootFolder()
    {
        QFETCH(QString, setting);
        QFETCH(QString, resolved);
        QCOMPARE(TOptions::ResolveConnectionRootFolder(setting, QStringLiteral("/opt/velmora/")), resolved);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
