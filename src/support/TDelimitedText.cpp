#include "TDelimitedText.h"

namespace {
bool isBlank(char16_t c)
{
    return c >= 1 && c <= 32;
}
} // namespace

QStringList TDelimitedText::split(QStringView text, QChar delimiter)
{
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text = text.first(nul);
    const char16_t delim = delimiter.unicode();
    const qsizetype n = text.size();
    auto at = [&](qsizetype i) -> char16_t { return i < n ? text[i].unicode() : 0; };

    QStringList result;
    qsizetype p = 0;
    while (isBlank(at(p)))
        ++p;
    while (p < n) {
        QString entry;
        if (at(p) == u'"') {
            ++p;
            while (p < n) {
                if (at(p) == u'"') {
                    if (at(p + 1) != u'"') {
                        ++p;
                        break;
                    }
                    ++p;
                }
                entry += text[p];
                ++p;
            }
        } else {
            const qsizetype start = p;
            while (at(p) > 32 && at(p) != delim)
                ++p;
            entry = text.sliced(start, p - start).toString();
        }
        result.append(entry);
        while (isBlank(at(p)))
            ++p;
        if (p < n && at(p) == delim) {
            if (p + 1 >= n)
                result.append(QString());
            do {
                ++p;
            } while (isBlank(at(p)));
        }
    }
    return result;
}

QString TDelimitedText::quoteIfNeeded(const QString& entry, QChar delimiter)
{
    for (const QChar c : entry) {
        const char16_t u = c.unicode();
        if (u == u'"' || c == delimiter || isBlank(u)) {
            QString quoted = entry;
            quoted.replace(u'"', QStringLiteral("\"\""));
            return u'"' + quoted + u'"';
        }
    }
    return entry;
}

QString TDelimitedText::join(const QStringList& entries, QChar delimiter)
{
    if (entries.size() == 1 && entries.first().isEmpty())
        return QStringLiteral("\"\"");
    QString result;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (i > 0)
            result += delimiter;
        result += quoteIfNeeded(entries[i], delimiter);
    }
    return result;
}
