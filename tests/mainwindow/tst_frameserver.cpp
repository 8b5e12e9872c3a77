#include "../TestPrompt.h"
#include "mainwindow/TFrameServer.h"
#include "mainwindow/TImageList.h"
#include "mainwindow/TNumberEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

class TestFrameServer : public QObject
{
    Q_OBJECT

private:
    TImageList m_images;
    TestPrompt m_prompt;

private Q_SLOTS:
    void valueRulesBothWays_data()
    {
        QTest::addColumn<int>("screenMode");
        QTest::addColumn<int>("autoExpand");
        QTest::addColumn<int>("bpp");
        QTest::addColumn<QSize>("desktop");
        QTest::addColumn<int>("audio");
        QTest::addColumn<QString>("shownMode"); // which radio button is on
        QTest::addColumn<QString>("shownBpp");
        QTest::addColumn<QString>("shownSize");
        QTest::addColumn<int>("shownAudio");
        QTest::addColumn<int>("writtenScreenMode");
        QTest::addColumn<int>("writtenAutoExpand");
        QTest::addColumn<int>("writtenBpp");
        QTest::addColumn<int>("writtenAudio");

        QTest::newRow("auto expand wins over full screen")
            << 2 << 1 << 16 << QSize(1024, 768) << 0 << "RadioButtonAutoExpand"
            << "High Color (16bit)"
            << "1024 x 768" << 0 << 1 << 1 << 16 << 0;
        QTest::newRow("full screen") << 2 << 0 << 32 << QSize(800, 600) << 1 << "RadioButtonFullScreen"
                                     << "True Color (32bit)"
                                     << "800 x 600" << 1 << 2 << 0 << 32 << 1;
        QTest::newRow("custom, unknown depth, odd size, no audio entry")
            << 1 << 0 << 12 << QSize(800, 601) << 7 << "RadioButtonCustom"
            << "High Color (16bit)"
            << "manual" << -1 << 1 << 0 << 16 << -1;
        QTest::newRow("four colours") << 0 << 0 << 4 << QSize(0, 0) << 2 << "RadioButtonCustom"
                                      << "16 Color (4bit)"
                                      << "manual" << 2 << 1 << 0 << 4 << 2;
    }

    void valueRulesBothWays()
    {
        QFETCH(int, screenMode);
        QFETCH(int, autoExpand);
        QFETCH(int, bpp);
        QFETCH(QSize, desktop);
        QFETCH(int, audio);
        TRDPFile record;
        record.ScreenModeId = screenMode;
        record.AutoExpand = autoExpand;
        record.SessionBpp = bpp;
        record.DesktopWidth = desktop.width();
        record.DesktopHeight = desktop.height();
        record.AudioMode = audio;
        record.Compression = 7;
        TFrameServer editor(m_images, m_prompt);
        editor.LoadRecord("web01", record);

        QFETCH(QString, shownMode);
        QVERIFY(editor.findChild<QRadioButton*>(shownMode)->isChecked());
        QFETCH(QString, shownBpp);
        QCOMPARE(editor.ComboBoxSession_bpp->currentText(), shownBpp);
        QFETCH(QString, shownSize);
        QCOMPARE(editor.ComboBoxDesktopSize->currentText(), shownSize);
        QFETCH(int, shownAudio);
        QCOMPARE(editor.ComboBoxAudiomode->currentIndex(), shownAudio);
        QVERIFY(editor.CheckBoxCompression->isChecked());
        QCOMPARE(editor.EditName->text(), QStringLiteral("web01"));
        QCOMPARE(editor.LoadedName(), QStringLiteral("web01"));

        TRDPFile written;
        editor.WriteEditorToElement(written, false);
        QTEST(written.ScreenModeId, "writtenScreenMode");
        QTEST(written.AutoExpand, "writtenAutoExpand");
        QTEST(written.SessionBpp, "writtenBpp");
        QTEST(written.AudioMode, "writtenAudio");
        QCOMPARE(written.Compression, 1);
        QCOMPARE(QSize(written.DesktopWidth, written.DesktopHeight), desktop);
    }

    void valuesOutsideTheFieldsRangeAreKeptUnlessEdited()
    {
        TRDPFile record;
        record.Port = 65000;
        record.DesktopWidth = 12000;
        record.DesktopHeight = -5;
        TFrameServer editor(m_images, m_prompt);
        editor.LoadRecord("big", record);
        QCOMPARE(editor.EditPort->Text(), QStringLiteral("65000"));
        TRDPFile written;
        editor.WriteEditorToElement(written, false);
        QCOMPARE(written.Port, 65000);
        QCOMPARE(written.DesktopWidth, 12000);
        QCOMPARE(written.DesktopHeight, -5);

        // Stepping the field brings the value into range; typing more digits than the range allows is refused.
        QTest::keyClick(&editor.EditPort->Field(), Qt::Key_Down);
        editor.EditScreenModeHeight->Field().setText("700");
        editor.WriteEditorToElement(written, false);
        QCOMPARE(written.Port, 9999);
        QCOMPARE(written.DesktopHeight, 700);
        editor.EditPort->Field().clear();
        QTest::keyClicks(&editor.EditPort->Field(), "3a38912");
        QCOMPARE(editor.EditPort->Text(), QStringLiteral("33891"));
    }

    void sizeListSetsTheFields()
    {
        TFrameServer editor(m_images, m_prompt);
        QCOMPARE(editor.EditScreenModeWidth->Value(), 1024);
        QCOMPARE(editor.ComboBoxDesktopSize->currentText(), QStringLiteral("manual"));
        editor.ComboBoxDesktopSize->setCurrentIndex(0);
        QCOMPARE(editor.EditScreenModeWidth->Value(), 640);
        QCOMPARE(editor.EditScreenModeHeight->Value(), 480);
        editor.ComboBoxDesktopSize->setCurrentIndex(4); // "manual" changes nothing
        QCOMPARE(editor.EditScreenModeWidth->Value(), 640);
    }

    void multiModeWritesOnlyChangedControls()
    {
        TRDPFile record;
        record.Port = 4000;
        record.UserName = "keep";
        record.Tags = {"a", "b"};
        record.Compression = 0;
        record.ScreenModeId = 2;
        record.AudioMode = 2;
        const QByteArray before = record.ToBytes();

        TFrameServer editor(m_images, m_prompt);
        editor.ResetEditor(true);
        TRDPFile untouched = record;
        editor.WriteEditorToElement(untouched, true);
        QCOMPARE(untouched.ToBytes(), before);

        editor.CheckBoxCompression->setChecked(true);
        QVERIFY(editor.CheckBoxCompression->font().underline());
        QVERIFY(!editor.CheckBoxRedirectDrives->font().underline());
        editor.EditUsername->setText(""); // an empty field is no change
        editor.WriteEditorToElement(record, true);
        QCOMPARE(record.Compression, 1);
        QCOMPARE(record.Port, 4000);
        QCOMPARE(record.UserName, QStringLiteral("keep"));
        QCOMPARE(record.Tags, (QStringList{"a", "b"}));
        QCOMPARE(record.ScreenModeId, 2);

        editor.EditDomain->setText("CORP");
        QCOMPARE(editor.EditDomain->palette().color(QPalette::Base), QColor(Qt::yellow));
        editor.EditPort->Field().setText("3390");
        QCOMPARE(editor.EditPort->Field().palette().color(QPalette::Base), QColor(Qt::yellow));
        editor.RadioButtonFullScreen->setChecked(true);
        QVERIFY(editor.RadioButtonAutoExpand->font().underline()); // turned off: changed as well
        editor.WriteEditorToElement(record, true);
        QCOMPARE(record.Domain, QStringLiteral("CORP"));
        QCOMPARE(record.Port, 3390);
        QCOMPARE(record.AutoExpand, 0);
        QCOMPARE(record.AudioMode, 2);

        // Reset without marking marks nothing.
        editor.ResetEditor(false);
        editor.EditDomain->setText("CORP");
        QVERIFY(editor.EditDomain->palette().color(QPalette::Base) != QColor(Qt::yellow));
    }

    void captionShortcutsAndBrowseButtons()
    {
        TFrameServer editor(m_images, m_prompt);
        editor.EditName->setText("web01");
        auto* nameLabel = qobject_cast<QLabel*>(editor.EditName->parentWidget()->findChildren<QLabel*>().value(1));
        QVERIFY(nameLabel);
        QCOMPARE(nameLabel->text(), QStringLiteral("Name"));
        QTest::mouseDClick(nameLabel, Qt::LeftButton);
        QCOMPARE(editor.EditAddress->text(), QStringLiteral("web01"));

        m_prompt.chosenPath.clear();
        editor.EditShellWorkingDir->setText("/opt");
        editor.SpeedButton2Click();
        QCOMPARE(editor.EditShellWorkingDir->text(), QStringLiteral("/opt"));
        QCOMPARE(m_prompt.choosers.last(), QStringLiteral("Select\u00A0a\u00A0directory|/opt"));
        m_prompt.chosenPath = "/usr/bin/app";
        editor.SpeedButton1Click();
        QCOMPARE(editor.EditAlternateShell->text(), QStringLiteral("/usr/bin/app"));
    }

    void recordPageIsHiddenUntilAsked()
    {
        TFrameServer editor(m_images, m_prompt);
        TRDPFile record;
        record.Lines = {"full address:s:x", "username:s:y"};
        editor.LoadRecord("x", record);
        QTabWidget& pages = editor.Pages();
        QCOMPARE(pages.count(), 6);
        QVERIFY(!pages.isTabVisible(5));
        QCOMPARE(editor.MemoRdpFile->toPlainText(), QStringLiteral("full address:s:x\nusername:s:y"));
        editor.SetRecordPageVisible(true);
        QVERIFY(pages.isTabVisible(5));
    }
};

QTEST_MAIN(TestFrameServer)
#include "tst_frameserver.moc"
