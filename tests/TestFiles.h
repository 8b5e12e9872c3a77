#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>

/// File fixtures shared by the tests.
namespace TestFiles {
/// Writes the bytes, creating the folders on the way; false when that fails.
inline bool write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
} // namespace TestFiles
