#pragma once

#include <QString>
#include <QStringView>

/// Case folding of the ASCII letters only: accented and other letters stay as they are.
namespace TAscii {
QString upper(QStringView text);
QString lower(QStringView text);
/// True when both texts are equal after folding A-Z to a-z.
bool equalsIgnoringCase(QStringView a, QStringView b);
/// Orders two texts by UTF-16 code units after folding A-Z to a-z: negative, zero or positive.
int compareIgnoringCase(QStringView a, QStringView b);
/// True when `upperNeedle` (already folded to upper case) occurs in the haystack with its ASCII letters
/// folded to upper case. Allocates nothing: the overview filter calls it for every element on every key.
bool containsFolded(QStringView haystack, QStringView upperNeedle);
} // namespace TAscii
