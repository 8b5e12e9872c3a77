#include "TAtomicFile.h"

#include <QSaveFile>

TStatus TAtomicFile::write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write (full disk, size limit) is seen here: a buffered QSaveFile reports
    // success for a truncated file and commits it over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return TStatus::Failure(QStringLiteral("Cannot create file \"%1\": %2").arg(path, file.errorString()));
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return TStatus::Failure(QStringLiteral("Cannot write file \"%1\": %2").arg(path, reason));
        }
        done += written;
    }
    if (!file.commit())
        return TStatus::Failure(QStringLiteral("Cannot write file \"%1\": %2").arg(path, file.errorString()));
    return {};
}
