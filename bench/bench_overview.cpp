// Refills of the overview list with 10,000 connections: an unfiltered fill and a filter keystroke's refill,
// each including the repaint of the visible rows, against the bare walk of the list in the same run.
#include "TBenchFixture.h"

#include "core/TQVRDElementList.h"
#include "mainwindow/TFrameOverview.h"
#include "mainwindow/TImageList.h"
#include "mainwindow/TOverviewModel.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString root = QStringLiteral("/srv/Connections");
    TQVRDElementList list;
    for (int i = 0; i < 10000; ++i) {
        auto record = std::make_unique<TRDPFile>();
        record->FileName = QStringLiteral("%1/Site%2/web%3.rdp").arg(root).arg(i / 10, 3, 10, QLatin1Char('0')).arg(i);
        record->FullAddress = QStringLiteral("10.%1.%2.%3").arg(i % 7).arg(i / 256 % 256).arg(i % 256);
        record->UserName = i % 3 ? QStringLiteral("admin") : QStringLiteral("ops");
        record->Domain = QStringLiteral("CORP");
        record->Description = QStringLiteral("Server number %1").arg(i);
        list.Add(std::move(record));
    }
    const TImageList images;
    TFrameOverview frame(images);
    frame.resize(1000, 700);
    frame.SetSource(&list, root);
    frame.show();
    QApplication::processEvents();

    int matched = 0;
    const double walk = TBenchFixture::medianMs(15, [&] {
        matched = 0;
        for (int i = 0; i < list.Count(); ++i)
            matched += list.At(i)->MatchesUpperFilter(u"WEB1") ? 1 : 0;
    });
    auto refill = [&](const QString& filter) {
        return TBenchFixture::medianMs(15, [&] {
            frame.FilterBox().blockSignals(true);
            frame.FilterBox().setText(filter);
            frame.FilterBox().blockSignals(false);
            frame.FillOverview();
            frame.List().viewport()->repaint();
        });
    };
    const double all = refill(QString());
    const int allRows = frame.Model().rowCount();
    const double keystroke = refill(QStringLiteral("web1"));
    const int filteredRows = frame.Model().rowCount();
    const double sorted = TBenchFixture::medianMs(5, [&] {
        frame.ColumnClick(2);
        frame.List().viewport()->repaint();
    });
    std::printf("walk of the list with the filter (floor): %.2f ms (%d matches)\n", walk, matched);
    std::printf("FillOverview, no filter: %.2f ms for %d rows (%.1fx floor)\n", all, allRows, all / walk);
    std::printf("refill after a keystroke ('web1'): %.2f ms for %d rows (%.1fx floor)\n", keystroke, filteredRows,
                keystroke / walk);
    std::printf("sort by a header click: %.2f ms for %d rows\n", sorted, filteredRows);
    return 0;
}
