#include "TLogEventTable.h"

#include "TIniFile.h"

#include <algorithm>

QStringList TLogEventTable::DefaultEventNames()
{
    return {
        QStringLiteral("AuthenticationWarningDismissed"),
        QStringLiteral("AuthenticationWarningDisplayed"),
        QStringLiteral("AutoReconnecting"),
        QStringLiteral("ChannelReceivedData"),
        QStringLiteral("ConfirmClose"),
        QStringLiteral("Connected"),
        QStringLiteral("Connecting"),
        QStringLiteral("Disconnected"),
        QStringLiteral("Enter"),
        QStringLiteral("EnterFullScreenMode"),
        QStringLiteral("Exit"),
        QStringLiteral("FatalError"),
        QStringLiteral("FocusReleased"),
        QStringLiteral("IdleTimeoutNotification"),
        QStringLiteral("LeaveFullScreenMode"),
        QStringLiteral("LoginComplete"),
        QStringLiteral("Logon Error"),
        QStringLiteral("ReceivedTSPublicKey"),
        QStringLiteral("RemoteDesktopSizeChange"),
        QStringLiteral("RemoteProgramDisplayed"),
        QStringLiteral("RemoteProgramResult"),
        QStringLiteral("RequestContainerMinimize"),
        QStringLiteral("RequestGoFullScreen"),
        QStringLiteral("RequestLeaveFullScreen"),
        QStringLiteral("UserNameAcquired"),
        QStringLiteral("Warning"),
    };
}

TLogEventTable::TLogEventTable()
{
    QList<Entry> entries;
    for (const QString& name : DefaultEventNames())
        entries.append({name, true});
    SetEntries(entries);
}

void TLogEventTable::Load(const TIniFile& ini)
{
    const QStringList keys = ini.ReadSection(Section);
    if (keys.isEmpty()) {
        *this = TLogEventTable();
        return;
    }
    QList<Entry> entries;
    for (const QString& key : keys)
        entries.append({key, ini.ReadBool(Section, key, true)});
    SetEntries(entries);
}

TStatus TLogEventTable::Save(TIniFile& ini) const
{
    QList<QPair<QString, QString>> values;
    for (const Entry& entry : m_entries)
        values.append({entry.Name, entry.Enabled ? QStringLiteral("1") : QStringLiteral("0")});
    return ini.WriteSection(Section, values);
}

void TLogEventTable::SetEntries(QList<Entry> entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return QString::compare(a.Name, b.Name, Qt::CaseInsensitive) < 0;
    });
    m_entries = std::move(entries);
}

bool TLogEventTable::IsEventLogged(const QString& name) const
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.Name == name; });
    return it == m_entries.end() || it->Enabled;
}
