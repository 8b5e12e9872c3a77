#pragma once

#include "TResult.h"

#include <QString>

namespace TFileMove {
/// Moves a file or folder into a folder, creating that folder when it is missing. Never replaces what is
/// already there, and never moves a folder into itself or one of its subfolders.
TStatus MoveInto(const QString& source, const QString& targetFolder);
} // namespace TFileMove
