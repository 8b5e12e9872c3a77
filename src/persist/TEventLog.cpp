#include "TEventLog.h"

#include "support/TAtomicFile.h"
#include "support/TTextCodec.h"

#include <QFile>

namespace {
constexpr int kBalloonTimeout = 10;
}

TEventLog::TEventLog(QObject* parent)
    : QAbstractTableModel(parent)
    , m_clock([] { return QDateTime::currentDateTime(); })
{}

void TEventLog::AddLog(const QString& server, const QString& message, const QString& details, TLogLevel level)
{
    beginInsertRows({}, 0, 0);
    m_entries.prepend({m_dates.formatTimestamp(m_clock()), server, message, details, level});
    endInsertRows();

    const TBalloonKind kind = TLogFileFormat::BalloonKind(level);
    if (kind != TBalloonKind::None && m_balloonsEnabled && m_balloonsEnabled()) {
        Q_EMIT balloonRequested(BalloonTitle, QStringLiteral("%1: %2").arg(server, message), kind, kBalloonTimeout);
    }
}

QStringList TEventLog::LoadLog(const QString& path)
{
    QStringList messages;
    QFile file(path);
    if (!file.exists() && !file.open(QIODevice::WriteOnly))
        messages.append(QStringLiteral("Error creating LOG File \"%1\"!").arg(path));
    file.close();

    if (!file.open(QIODevice::ReadOnly)) {
        messages.append(QStringLiteral("Error reading LOG File \"%1\"!").arg(path));
        return messages;
    }
    const QByteArray bytes = file.readAll();
    const bool readFailed = file.error() != QFileDevice::NoError;

    QString text = TTextCodec::decodeDetected(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    QList<TLogEntry> entries;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        if (std::optional<TLogEntry> entry = TLogFileFormat::ParseLine(line))
            entries.append(std::move(*entry));
    }
    beginResetModel();
    m_entries.append(entries);
    endResetModel();
    if (readFailed)
        messages.append(QStringLiteral("Error reading LOG File \"%1\"!").arg(path));
    return messages;
}

TStatus TEventLog::SaveLog(const QString& path) const
{
    QString text;
    for (const TLogEntry& entry : m_entries)
        text += TLogFileFormat::FormatLine(entry) + QLatin1String("\r\n");
    if (!TAtomicFile::write(path, text.toUtf8()))
        return TStatus::Failure(QStringLiteral("Error saving LOG File \"%1\"!").arg(path));
    return {};
}

int TEventLog::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int TEventLog::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TEventLog::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_entries.size()))
        return {};
    const TLogEntry& entry = m_entries[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case TimestampColumn:
            return entry.Timestamp;
        case ServerColumn:
            return entry.Server;
        case MessageColumn:
            return entry.Message;
        case DetailsColumn:
            return entry.Details;
        }
        return {};
    case ImageIndexRole:
    case SelectedImageIndexRole:
        return index.column() == TimestampColumn ? TLogFileFormat::ImageIndex(entry.Level) : QVariant();
    case HasLevelRole:
        return entry.Level.has_value();
    default:
        return {};
    }
}

QVariant TEventLog::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const kHeaders[] = {"Timestamp", "Server", "Message", "Details"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(kHeaders[section]) : QVariant();
}
