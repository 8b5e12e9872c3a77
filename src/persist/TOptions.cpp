#include "TOptions.h"

#include "TIniFile.h"
#include "support/TPath.h"

#include <QDir>

#include <variant>

namespace {
const QString kMain = QStringLiteral("MAIN");

struct OptionRow
{
    const char* key;
    std::variant<bool TOptions::*, int TOptions::*, QString TOptions::*> field;
};

// The order in which the keys are written.
const OptionRow kOptionRows[] = {
    {"ConfirmDisconnect", &TOptions::ConfirmDisconnect},
    {"HideStatusbar", &TOptions::HideStatusbar},
    {"AutoUpdateCheck", &TOptions::AutoUpdateCheck},
    {"FoldertextWithCount", &TOptions::FoldertextWithCount},
    {"MinimizeToTray", &TOptions::MinimizeToTray},
    {"AutoselectServer", &TOptions::AutoselectServer},
    {"AllowMSTSC", &TOptions::AllowMSTSC},
    {"ShowLogEventsAsBallonHints", &TOptions::ShowLogEventsAsBallonHints},
    {"MRUCount", &TOptions::MRUCount},
    {"CloseServerEditAfterSave", &TOptions::CloseServerEditAfterSave},
    {"ConnectionRootFolder", &TOptions::ConnectionRootFolder},
    {"ServerListCaption", &TOptions::ServerListCaption},
    {"MRUCaption", &TOptions::MRUCaption},
    {"HistoryCaption", &TOptions::HistoryCaption},
    {"FavCaption", &TOptions::FavCaption},
    {"PanelCaption", &TOptions::PanelCaption},
    {"AutoFilter", &TOptions::AutoFilter},
    {"AutoFilterFolder", &TOptions::AutoFilterFolder},
    {"Foldername", &TOptions::Foldername},
};

template <class... Ts> struct Overloaded : Ts...
{
    using Ts::operator()...;
};
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;
} // namespace

QList<TServerTask> TOptions::DefaultServerTasks()
{
    return {
        {QStringLiteral("Ping"), QStringLiteral("ping -c 4 %IP%")},
        {QStringLiteral("Ping Continuously (ping -t)"), QStringLiteral("ping %IP%")},
        {QStringLiteral("Trace Route"), QStringLiteral("traceroute %IP%")},
        {QStringLiteral("Pathping"), QStringLiteral("mtr %IP%")},
        {QStringLiteral("Terminal Session Info"), QStringLiteral("nc -vz %IP% 3389")},
    };
}

void TOptions::LoadOptions(const TIniFile& ini)
{
    ServerTasks.clear();
    for (const auto& [name, command] : ini.ReadSectionValues(ServerTasksSection))
        ServerTasks.append({name, command});
    if (ServerTasks.isEmpty())
        ServerTasks = DefaultServerTasks();

    const TOptions defaults;
    ServerTaskStringGridColWidth1 =
        ini.ReadInteger(kMain, QStringLiteral("ServerTaskStringGridColWidth1"), defaults.ServerTaskStringGridColWidth1);
    ServerTaskStringGridColWidth2 =
        ini.ReadInteger(kMain, QStringLiteral("ServerTaskStringGridColWidth2"), defaults.ServerTaskStringGridColWidth2);

    for (const OptionRow& row : kOptionRows) {
        const QString key = QLatin1String(row.key);
        std::visit(Overloaded{
                       [&](bool TOptions::*f) { this->*f = ini.ReadBool(Section, key, defaults.*f); },
                       [&](int TOptions::*f) { this->*f = ini.ReadInteger(Section, key, defaults.*f); },
                       [&](QString TOptions::*f) { this->*f = ini.ReadString(Section, key, defaults.*f); },
                   },
                   row.field);
    }
}

TStatus TOptions::SaveOptions(TIniFile& ini) const
{
    ini.BeginUpdate();
    for (const OptionRow& row : kOptionRows) {
        const QString key = QLatin1String(row.key);
        std::visit(Overloaded{
                       [&](bool TOptions::*f) { (void)ini.WriteBool(Section, key, this->*f); },
                       [&](int TOptions::*f) { (void)ini.WriteInteger(Section, key, this->*f); },
                       [&](QString TOptions::*f) { (void)ini.WriteString(Section, key, this->*f); },
                   },
                   row.field);
    }
    QList<QPair<QString, QString>> tasks;
    for (const TServerTask& task : ServerTasks) {
        if (!task.Name.isEmpty())
            tasks.append({task.Name, task.Command});
    }
    (void)ini.WriteSection(ServerTasksSection, tasks);
    (void)ini.WriteInteger(kMain, QStringLiteral("ServerTaskStringGridColWidth1"), ServerTaskStringGridColWidth1);
    (void)ini.WriteInteger(kMain, QStringLiteral("ServerTaskStringGridColWidth2"), ServerTaskStringGridColWidth2);
    return ini.EndUpdate();
}

QString TOptions::ResolveConnectionRootFolder(const QString& startDir) const
{
    return ResolveConnectionRootFolder(ConnectionRootFolder, startDir);
}

QString TOptions::ResolveConnectionRootFolder(const QString& setting, const QString& startDir)
{
    QString value = setting;
    value.replace(u'\\', u'/');
    const QString base = TPath::withoutTrailingDelimiter(startDir);
    QString resolved;
    if (setting.startsWith(u'\\'))
        resolved = base + value;
    else if (value.startsWith(u'/'))
        resolved = value;
    else if (value.isEmpty())
        resolved = base;
    else
        resolved = base + u'/' + value;
    return TPath::withoutTrailingDelimiter(QDir::cleanPath(resolved));
}
