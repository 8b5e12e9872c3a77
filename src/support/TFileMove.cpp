#include "TFileMove.h"

#include "TPath.h"

#include <QDir>
#include <QFileInfo>

TStatus TFileMove::MoveInto(const QString& source, const QString& targetFolder)
{
    const QFileInfo from(TPath::withoutTrailingDelimiter(source));
    if (!from.exists())
        return TStatus::Failure(QStringLiteral("\"%1\" does not exist").arg(from.filePath()));
    const QString folder = TPath::withoutTrailingDelimiter(targetFolder);
    const QString target = folder + u'/' + from.fileName();
    if (from.isDir()) {
        const QString canonical = from.canonicalFilePath();
        const QString targetCanonical = QFileInfo(folder).canonicalFilePath();
        if (!targetCanonical.isEmpty() &&
            (targetCanonical == canonical || targetCanonical.startsWith(canonical + u'/')))
            return TStatus::Failure(QStringLiteral("\"%1\" cannot be moved into itself").arg(from.filePath()));
    }
    if (QFileInfo(target).exists() || QFileInfo(target).isSymLink())
        return TStatus::Failure(QStringLiteral("\"%1\" already exists").arg(target));
    if (!QDir().mkpath(folder))
        return TStatus::Failure(QStringLiteral("Cannot create the folder \"%1\"").arg(folder));
    if (!QDir().rename(from.filePath(), target))
        return TStatus::Failure(QStringLiteral("Cannot move \"%1\" to \"%2\"").arg(from.filePath(), target));
    return {};
}
