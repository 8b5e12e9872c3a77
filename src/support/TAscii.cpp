#include "TAscii.h"

namespace {
template <char From, char To> QString mapRange(QStringView text)
{
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        *out++ = (u >= From && u <= From + 25) ? QChar(char16_t(u - From + To)) : c;
    }
    return result;
}

char16_t lowerUnit(char16_t u)
{
    return (u >= u'A' && u <= u'Z') ? char16_t(u + 32) : u;
}

char16_t upperUnit(char16_t u)
{
    return (u >= u'a' && u <= u'z') ? char16_t(u - 32) : u;
}
} // namespace

QString TAscii::upper(QStringView text)
{
    return mapRange<'a', 'A'>(text);
}

QString TAscii::lower(QStringView text)
{
    return mapRange<'A', 'a'>(text);
}

bool TAscii::equalsIgnoringCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (lowerUnit(a[i].unicode()) != lowerUnit(b[i].unicode()))
            return false;
    }
    return true;
}

bool TAscii::containsFolded(QStringView haystack, QStringView upperNeedle)
{
    const qsizetype n = haystack.size();
    const qsizetype m = upperNeedle.size();
    if (m == 0)
        return true;
    for (qsizetype start = 0; start + m <= n; ++start) {
        qsizetype i = 0;
        while (i < m && upperUnit(haystack[start + i].unicode()) == upperNeedle[i].unicode())
            ++i;
        if (i == m)
            return true;
    }
    return false;
}
