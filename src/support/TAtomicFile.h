#pragma once

#include "TResult.h"

#include <QByteArray>
#include <QString>

namespace TAtomicFile {
/// Replaces the whole file with the bytes, or leaves the old file untouched when anything fails.
/// The folder must exist; it is not created.
TStatus write(const QString& path, const QByteArray& bytes);
} // namespace TAtomicFile
