#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <vector>

/// Connection files for the benchmarks, written the way Velmora writes them.
namespace TBenchFixture {
/// Writes `count` connection files spread over `folders` folders below `root`; returns their paths.
QStringList writeConnections(const QString& root, int count, int folders);
/// Reads every file's bytes: the floor any loader pays.
qint64 readAllBytes(const QStringList& paths);

/// Median wall time in milliseconds of `runs` runs of `work`.
inline double medianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace TBenchFixture
