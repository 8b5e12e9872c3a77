#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

/// The locale's date and time texts used in the settings file and the event log.
class TDateFormat
{
public:
    explicit TDateFormat(const QLocale& locale = QLocale::system());

    /// The locale's short date format, widened to a four-digit year.
    QString shortDateFormat() const { return m_shortDate; }
    /// The locale's long time format without the time zone.
    QString longTimeFormat() const { return m_longTime; }

    QString formatShortDate(const QDate& date) const;
    /// Reads a date written by `formatShortDate`; two-digit years are taken as the 1900s and ISO 8601 is
    /// accepted as a fallback. An invalid date when the text is no date.
    QDate parseShortDate(const QString& text) const;
    /// Short date, a blank and the long time; the time is left out when it is exactly midnight.
    QString formatTimestamp(const QDateTime& moment) const;

private:
    QLocale m_locale;
    QString m_shortDate;
    QString m_shortDateTwoDigitYear;
    QString m_longTime;
};
