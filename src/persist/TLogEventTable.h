#pragma once

#include "support/TResult.h"

#include <QList>
#include <QString>
#include <QStringList>

class TIniFile;

/// Which session events go to the event log: ordered (name, enabled) pairs, sorted by name without regard
/// to case.
class TLogEventTable
{
public:
    struct Entry
    {
        QString Name;
        bool Enabled = true;
        friend bool operator==(const Entry&, const Entry&) = default;
    };

    static inline const QString Section = QStringLiteral("LOG EVENTS");
    static QStringList DefaultEventNames();

    TLogEventTable();

    /// The stored table, or every default event enabled when the section holds no keys.
    void Load(const TIniFile& ini);
    TStatus Save(TIniFile& ini) const;

    const QList<Entry>& Entries() const { return m_entries; }
    void SetEntries(QList<Entry> entries);
    /// An event the table does not name is logged: only a name the user switched off stays out of the log.
    bool IsEventLogged(const QString& name) const;

private:
    QList<Entry> m_entries;
};
