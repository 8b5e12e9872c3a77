#include "TDateFormat.h"

#include <QRegularExpression>

TDateFormat::TDateFormat(const QLocale& locale)
    : m_locale(locale)
{
    QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    if (!shortDate.contains(QLatin1String("yyyy")))
        shortDate.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    m_shortDate = shortDate;
    m_shortDateTwoDigitYear = QString(shortDate).replace(QLatin1String("yyyy"), QLatin1String("yy"));

    static const QRegularExpression timeZone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    m_longTime = locale.timeFormat(QLocale::LongFormat).remove(timeZone).trimmed();
}

QString TDateFormat::formatShortDate(const QDate& date) const
{
    return m_locale.toString(date, m_shortDate);
}

QDate TDateFormat::parseShortDate(const QString& text) const
{
    const QString trimmed = text.trimmed();
    QDate date = m_locale.toDate(trimmed, m_shortDate);
    if (!date.isValid())
        date = m_locale.toDate(trimmed, m_shortDateTwoDigitYear);
    if (!date.isValid())
        date = QDate::fromString(trimmed, Qt::ISODate);
    return date;
}

QString TDateFormat::formatTimestamp(const QDateTime& moment) const
{
    const QString date = formatShortDate(moment.date());
    if (moment.time() == QTime(0, 0))
        return date;
    return date + u' ' + m_locale.toString(moment.time(), m_longTime);
}
