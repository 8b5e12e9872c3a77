#pragma once

#include "TLogFileFormat.h"
#include "support/TDateFormat.h"
#include "support/TItemRoles.h"
#include "support/TResult.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <functional>

/// The event log, newest entry first, as the table the LOG page shows: Timestamp, Server, Message, Details.
/// Read once at start-up and written once at shutdown.
class TEventLog : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { TimestampColumn, ServerColumn, MessageColumn, DetailsColumn, ColumnCount };
    enum Role {
        ImageIndexRole = TItemRoles::ImageIndex,
        SelectedImageIndexRole = TItemRoles::SelectedImageIndex,
        HasLevelRole = TItemRoles::FirstCustom,
    };
    static inline const QString BalloonTitle = QStringLiteral("Velmora Connection Manager");

    explicit TEventLog(QObject* parent = nullptr);

    /// Whether new entries ask for a tray balloon; the options decide.
    void SetBalloonsEnabled(std::function<bool()> enabled) { m_balloonsEnabled = std::move(enabled); }
    /// The clock that stamps new entries (tests pin it).
    void SetClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    void SetDateFormat(const TDateFormat& dates) { m_dates = dates; }

    void AddLog(const QString& server, const QString& message, const QString& details, TLogLevel level);
    /// Fills the log from the file, creating an empty file when there is none. Returns the messages to show.
    QStringList LoadLog(const QString& path);
    /// Replaces the file with the whole log, newest first; the old file survives a failed write.
    TStatus SaveLog(const QString& path) const;

    const QList<TLogEntry>& Entries() const { return m_entries; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    /// A new entry wants to be shown as a tray balloon for `timeoutSeconds`.
    void balloonRequested(const QString& title, const QString& text, TBalloonKind kind, int timeoutSeconds);

private:
    QList<TLogEntry> m_entries;
    TDateFormat m_dates;
    std::function<bool()> m_balloonsEnabled;
    std::function<QDateTime()> m_clock;
};
