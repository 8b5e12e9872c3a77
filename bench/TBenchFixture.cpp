#include "TBenchFixture.h"

#include "core/TRDPFile.h"

#include <QDir>
#include <QFile>

QStringList TBenchFixture::writeConnections(const QString& root, int count, int folders)
{
    QStringList paths;
    for (int f = 0; f < folders; ++f)
        QDir().mkpath(QStringLiteral("%1/site%2/rack%3").arg(root).arg(f / 10).arg(f % 10));
    for (int i = 0; i < count; ++i) {
        const int f = i % folders;
        const QString path = QStringLiteral("%1/site%2/rack%3/srv%4.rdp").arg(root).arg(f / 10).arg(f % 10).arg(i);
        TRDPFile record(path);
        record.FullAddress = QStringLiteral("srv%1.corp.example:3389").arg(i);
        record.UserName = QStringLiteral("admin");
        record.Domain = QStringLiteral("CORP");
        record.Description = QStringLiteral("Rack server %1").arg(i);
        record.DesktopWidth = 1920;
        record.DesktopHeight = 1080;
        record.Tags = QStringList{QStringLiteral("site%1").arg(f / 10), QStringLiteral("web")};
        if (!record.SaveAs(path))
            qFatal("cannot write %s", qPrintable(path));
        paths.append(path);
    }
    return paths;
}

qint64 TBenchFixture::readAllBytes(const QStringList& paths)
{
    qint64 total = 0;
    for (const QString& path : paths) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            total += file.readAll().size();
    }
    return total;
}
