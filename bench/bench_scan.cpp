// The folder scan over a large connection tree, cold (new elements) and warm (elements reused).
#include "TBenchFixture.h"

#include "core/TFolderScanner.h"
#include "core/TQVRDElementList.h"
#include "core/TServerTreeModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
struct Figures
{
    double floor;
    double cold;
    double warm;
};

Figures measure(int files, int folders)
{
    QTemporaryDir dir;
    const QStringList paths = TBenchFixture::writeConnections(dir.path(), files, folders);
    Figures figures{};
    figures.floor = TBenchFixture::medianMs(5, [&] { TBenchFixture::readAllBytes(paths); });
    // Only the refresh is timed: freeing the elements happens once, at shutdown.
    std::vector<double> colds;
    for (int run = 0; run < 5; ++run) {
        TQVRDElementList list;
        TServerTreeModel tree;
        TFolderScanner scanner(list, tree);
        colds.push_back(TBenchFixture::medianMs(1, [&] {
            if (!scanner.RefreshConnections(dir.path()).isEmpty() || list.Count() != files)
                qFatal("scan failed");
        }));
    }
    std::sort(colds.begin(), colds.end());
    figures.cold = colds[colds.size() / 2];
    TQVRDElementList list;
    TServerTreeModel tree;
    TFolderScanner scanner(list, tree);
    (void)scanner.RefreshConnections(dir.path());
    figures.warm = TBenchFixture::medianMs(5, [&] { (void)scanner.RefreshConnections(dir.path()); });
    return figures;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const Figures small = measure(10000, 1000);
    const Figures large = measure(20000, 1000);
    std::printf("10,000 files in 1,000 folders\n");
    std::printf("  read bytes (floor): %8.1f ms\n", small.floor);
    std::printf("  cold refresh:       %8.1f ms  %.2fx floor\n", small.cold, small.cold / small.floor);
    std::printf("  warm refresh:       %8.1f ms  %.0f%% of cold\n", small.warm, 100 * small.warm / small.cold);
    std::printf("20,000 files: floor %.1f ms, cold %.1f ms, warm %.1f ms\n", large.floor, large.cold, large.warm);
    std::printf("ratio 20,000/10,000: floor %.2f, cold %.2f, warm %.2f\n", large.floor / small.floor,
                large.cold / small.cold, large.warm / small.warm);
    return 0;
}
