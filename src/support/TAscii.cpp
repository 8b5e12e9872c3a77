#include "TAscii.h"

#include <algorithm>

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

int TAscii::compareIgnoringCase(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = lowerUnit(a[i].unicode());
        const char16_t y = lowerUnit(b[i].unicode());
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
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
