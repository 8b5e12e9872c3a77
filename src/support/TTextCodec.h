#pragma once

#include <QByteArray>
#include <QString>

/// Decoding of the text files other programs hand us.
namespace TTextCodec {
/// Byte-order mark first (UTF-16LE, UTF-16BE, UTF-8, each skipped); without one, UTF-8 when the
/// bytes are valid UTF-8, else Windows-1252 (the code page such files were written in).
QString decodeDetected(const QByteArray& bytes);
QString decodeUtf16LE(const QByteArray& bytes);
QString decodeWindows1252(const QByteArray& bytes);
} // namespace TTextCodec
