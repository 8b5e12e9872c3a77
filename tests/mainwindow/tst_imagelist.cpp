#include "mainwindow/TImageList.h"

#include <QApplication>
#include <QTest>

class TestImageList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everySharedIndexHasAPicture()
    {
        const TImageList images;
        const QList<int> indexes = images.Indexes();
        for (const int index : {0,  1,  2,  4,  5,  6,  7,  9,  10, 18, 19, 24, 27, 28, 29,
                                30, 31, 33, 34, 35, 42, 43, 45, 46, 47, 56, 57, 59, 60, 61})
            QVERIFY2(indexes.contains(index), qPrintable(QString::number(index)));
        for (const int index : indexes) {
            const QImage picture = images.Icon(index).pixmap(16, 16).toImage();
            QVERIFY2(!picture.isNull(), qPrintable(QString::number(index)));
            // Something is drawn: not every pixel is transparent.
            bool drawn = false;
            for (int y = 0; y < picture.height() && !drawn; ++y) {
                for (int x = 0; x < picture.width() && !drawn; ++x)
                    drawn = qAlpha(picture.pixel(x, y)) > 0;
            }
            QVERIFY2(drawn, qPrintable(QString::number(index)));
        }
        QVERIFY(images.Icon(-1).isNull());
        QVERIFY(images.Icon(3).isNull());
    }

    void connectingFramesDiffer()
    {
        const TImageList images;
        QVERIFY(images.Icon(1).pixmap(16, 16).toImage() != images.Icon(2).pixmap(16, 16).toImage());
    }
};

QTEST_MAIN(TestImageList)
#include "tst_imagelist.moc"
