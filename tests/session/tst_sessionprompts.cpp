#include "session/TSessionPromptDialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
/// Acts on the dialog that will be open once the caller's blocking call runs.
void whenDialogOpens(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        act(QApplication::activeModalWidget());
    });
}

void clickButton(QWidget* dialog, const QString& text)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text().remove(u'&') == text) {
            button->click();
            return;
        }
    }
    QFAIL(qPrintable("no button " + text));
}
} // namespace

class TestSessionPrompts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void certificateChoices_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("decision");
        QTest::newRow("always") << "Trust always" << int(TCertificateDecision::TrustAlways);
        QTest::newRow("once") << "Trust once" << int(TCertificateDecision::TrustOnce);
        QTest::newRow("reject") << "Reject" << int(TCertificateDecision::Reject);
    }
    void certificateChoices()
    {
        QFETCH(QString, button);
        QFETCH(int, decision);
        TSessionPromptDialogs prompts;
        TCertificateInfo info{"srv", 3389, "other", "CN=srv", "CN=ca", "ab:cd", false, {}, {}, {}, true};
        QString shown;
        whenDialogOpens([&](QWidget* dialog) {
            shown = static_cast<QMessageBox*>(dialog)->text();
            clickButton(dialog, button);
        });
        QCOMPARE(int(prompts.VerifyCertificate(info)), decision);
        QVERIFY(shown.contains("CN=srv") && shown.contains("CN=ca") && shown.contains("ab:cd"));
        QVERIFY(shown.contains("not to this server"));
    }

    void changedCertificateShowsBothFingerprints()
    {
        TCertificateInfo info{"srv", 3389, "srv", "CN=new", "CN=ca", "11:22", true, "CN=old", "CN=ca", "33:44", false};
        const QString text = TSessionPromptDialogs::CertificateText(info);
        QVERIFY(text.contains("has changed") && text.contains("11:22") && text.contains("33:44"));
    }

    void credentials()
    {
        TSessionPromptDialogs prompts;
        whenDialogOpens([](QWidget* dialog) {
            QCOMPARE(dialog->findChild<QLineEdit*>("user")->text(), QStringLiteral("admin"));
            QCOMPARE(dialog->findChild<QLineEdit*>("password")->echoMode(), QLineEdit::Password);
            dialog->findChild<QLineEdit*>("password")->setText("secret");
            clickButton(dialog, "OK");
        });
        const auto given = prompts.AskCredentials("srv", {"admin", "CORP", {}});
        QVERIFY(given);
        QCOMPARE(given->UserName, QStringLiteral("admin"));
        QCOMPARE(given->Domain, QStringLiteral("CORP"));
        QCOMPARE(given->Password, QStringLiteral("secret"));

        whenDialogOpens([](QWidget* dialog) { clickButton(dialog, "Cancel"); });
        QVERIFY(!prompts.AskCredentials("srv", {}));
    }
};

QTEST_MAIN(TestSessionPrompts)
#include "tst_sessionprompts.moc"
