#include "../TestFiles.h"
#include "core/TFolderScanner.h"
#include "core/TQVRDElementList.h"
#include "core/TServerTreeModel.h"
#include "mainwindow/TImageList.h"
#include "mainwindow/TServerSearch.h"
#include "mainwindow/TServerTreeView.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestServerTreeView : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    TQVRDElementList m_list;
    TServerTreeModel m_model;
    TImageList m_images;
    std::unique_ptr<TServerTreeView> m_view;
    std::unique_ptr<QLineEdit> m_box;
    std::unique_ptr<TServerSearch> m_search;

    QString current() const { return m_view->currentIndex().data().toString(); }

private Q_SLOTS:
    void initTestCase()
    {
        const QString root = m_dir.path();
        QVERIFY(TestFiles::write(root + "/Prod/Web/web01.rdp", "full address:s:10.0.0.5\r\n"));
        QVERIFY(TestFiles::write(root + "/Prod/a.rdp", "full address:s:a\r\n"));
        QVERIFY(TestFiles::write(root + "/legacy.rdp", "full address:s:old\r\n"));
        TFolderScanner scanner(m_list, m_model);
        QVERIFY(scanner.RefreshConnections(root).isEmpty());
        m_view = std::make_unique<TServerTreeView>(m_model, m_images);
        m_box = std::make_unique<QLineEdit>();
        m_search = std::make_unique<TServerSearch>(*m_box, *m_view, m_model);
        m_view->show();
    }

    void searchSelectsInsideClosedFoldersAndWraps()
    {
        m_box->setText("WEB");
        QCOMPARE(current(), QStringLiteral("web01"));
        QVERIFY(m_view->isExpanded(m_view->currentIndex().parent()));
        QCOMPARE(m_box->palette().color(QPalette::Text), QColor(Qt::black));

        m_box->setText("e");
        QCOMPARE(current(), QStringLiteral("web01"));
        m_search->FindNext();
        QCOMPARE(current(), QStringLiteral("legacy"));
        m_search->FindNext();
        QCOMPARE(current(), QStringLiteral("web01"));

        m_box->setText("Prod");
        QCOMPARE(current(), QStringLiteral("web01"));
        QCOMPARE(m_box->palette().color(QPalette::Text), QColor(128, 128, 128));

        QSignalSpy connect(m_search.get(), &TServerSearch::connectRequested);
        QTest::keyClick(m_box.get(), Qt::Key_Return);
        QCOMPARE(connect.size(), 1);
        m_search->ClearAction()->trigger();
        QVERIFY(m_box->text().isEmpty());
    }

    void keysBecomeRequests()
    {
        QSignalSpy del(m_view.get(), &TServerTreeView::deleteRequested);
        QSignalSpy insert(m_view.get(), &TServerTreeView::insertRequested);
        QSignalSpy connect(m_view.get(), &TServerTreeView::connectRequested);
        QSignalSpy edit(m_view.get(), &TServerTreeView::editRequested);
        QTest::keyClick(m_view.get(), Qt::Key_Delete);
        QTest::keyClick(m_view.get(), Qt::Key_Insert);
        QTest::keyClick(m_view.get(), Qt::Key_Return);
        QTest::keyClick(m_view.get(), Qt::Key_Return, Qt::AltModifier);
        QCOMPARE((QList<int>{int(del.size()), int(insert.size()), int(connect.size()), int(edit.size())}),
                 (QList<int>{1, 1, 1, 1}));
    }

    void folderPicturesFollowExpansion()
    {
        const QModelIndex prod = m_model.index(0, 0);
        m_view->collapse(prod);
        QCOMPARE(prod.data(TTreeModel::ImageIndexRole).toInt(), 6);
        m_view->expand(prod);
        QCOMPARE(prod.data(TTreeModel::ImageIndexRole).toInt(), 9);
        m_view->collapseAll();
        QCOMPARE(prod.data(TTreeModel::ImageIndexRole).toInt(), 6);
        m_view->FullExpand();
        QCOMPARE(prod.data(TTreeModel::ImageIndexRole).toInt(), 9);
        QCOMPARE(m_model.index(0, 0, prod).data(TTreeModel::ImageIndexRole).toInt(), 9);
        m_view->FullCollapse();
        QCOMPARE(m_model.index(0, 0, prod).data(TTreeModel::ImageIndexRole).toInt(), 6);
    }

    void pressOnEmptySpaceClearsTheSelection()
    {
        m_view->resize(300, 400);
        m_view->setCurrentIndex(m_model.index(0, 0));
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, QPoint(150, 390));
        QVERIFY(!m_view->currentIndex().isValid());
    }
};

QTEST_MAIN(TestServerTreeView)
#include "tst_servertreeview.moc"
