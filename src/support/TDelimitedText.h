#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

/// The delimited-text convention of tag lists and log lines: entries separated by a delimiter or by
/// blanks and control characters, an entry that needs it enclosed in double quotes with inner quotes doubled.
namespace TDelimitedText {
/// Splits the text. Characters 1-32 around entries are skipped and separate entries like the delimiter;
/// a quoted entry runs to its closing quote (without one, to the end); a delimiter at the very end adds an
/// empty entry; NUL ends the text.
QStringList split(QStringView text, QChar delimiter);
/// Joins the entries. An entry holding a quote, the delimiter or a character 1-32 is quoted; a list of one
/// empty entry gives two quotes, so that it reads back as one entry.
QString join(const QStringList& entries, QChar delimiter);
/// One entry, quoted when `join` would quote it.
QString quoteIfNeeded(const QString& entry, QChar delimiter);
} // namespace TDelimitedText
