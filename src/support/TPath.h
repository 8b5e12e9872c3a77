#pragma once

#include <QString>
#include <QStringView>

/// Path helpers shared by every layer. Paths use "/" as the delimiter.
namespace TPath {
/// Everything after the last "/", or the whole text.
QString fileName(QStringView path);
/// Everything up to and including the last "/"; empty when there is none.
QString folder(QStringView path);
/// The file name without its extension: cut before the last "." of the name, if it has one.
/// "web.01.rdp" gives "web.01", ".rdp" gives "" and "server" stays "server".
QString connectionName(QStringView path);
/// The text after the last "." of the file name, folded to lower case in ASCII; empty without a ".".
QString asciiLowerExtension(QStringView fileName);
/// The path with exactly one "/" at its end.
QString withTrailingDelimiter(const QString& path);
/// The path without a "/" at its end (the root "/" stays).
QString withoutTrailingDelimiter(const QString& path);
} // namespace TPath
