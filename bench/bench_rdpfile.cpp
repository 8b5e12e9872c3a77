// Loading and saving connection files, and building a large connection list.
#include "TBenchFixture.h"

#include "core/TQVRDElementList.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    constexpr int kFiles = 10000;
    constexpr int kElements = 100000;
    QTemporaryDir dir;
    const QStringList paths = TBenchFixture::writeConnections(dir.path(), kFiles, 100);

    const double floor = TBenchFixture::medianMs(5, [&] { TBenchFixture::readAllBytes(paths); });
    const double load = TBenchFixture::medianMs(5, [&] {
        for (const QString& path : paths) {
            if (!TRDPFile::Create(path))
                qFatal("cannot read %s", qPrintable(path));
        }
    });
    std::vector<std::unique_ptr<TRDPFile>> records;
    for (const QString& path : paths)
        records.push_back(std::move(TRDPFile::Create(path).value()));
    const double save = TBenchFixture::medianMs(3, [&] {
        for (auto& record : records) {
            if (!record->Save())
                qFatal("cannot write %s", qPrintable(record->FileName));
        }
    });

    double add = 0;
    double lookups = 0;
    {
        TQVRDElementList list;
        std::vector<std::unique_ptr<TRDPFile>> pending;
        for (int i = 0; i < kElements; ++i)
            pending.push_back(std::make_unique<TRDPFile>(QStringLiteral("/c/f%1/srv%2.rdp").arg(i % 1000).arg(i)));
        add = TBenchFixture::medianMs(1, [&] {
            for (auto& record : pending)
                list.Add(std::move(record));
        });
        lookups = TBenchFixture::medianMs(1, [&] {
            for (int i = 0; i < kElements; i += 7) {
                if (!list.FindByFileName(QStringLiteral("/c/f%1/srv%2.rdp").arg(i % 1000).arg(i)) ||
                    !list.FindByName(QStringLiteral("srv%1").arg(i)) || !list.FindByNumber(i + 1))
                    qFatal("lookup failed");
            }
        });
    }

    std::printf("files: %d\n", kFiles);
    std::printf("read bytes (floor): %8.1f ms\n", floor);
    std::printf("load:               %8.1f ms  %6.0f files/s  %.2fx floor\n", load, kFiles / load * 1000, load / floor);
    std::printf("save:               %8.1f ms  %6.0f files/s\n", save, kFiles / save * 1000);
    std::printf("Add %d elements:    %8.1f ms\n", kElements, add);
    std::printf("%d x 3 lookups:     %8.1f ms\n", kElements / 7, lookups);
    return 0;
}
