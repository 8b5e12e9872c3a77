#include "TSessionPromptDialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

TSessionPromptDialogs::TSessionPromptDialogs(QWidget* parent)
    : m_parent(parent)
{}

QString TSessionPromptDialogs::CertificateText(const TCertificateInfo& c)
{
    QString text;
    if (c.Changed) {
        text = QStringLiteral("The certificate of %1:%2 has changed since you last connected. Someone may be "
                              "intercepting the connection.\n\n")
                   .arg(c.Host)
                   .arg(c.Port);
    } else {
        text = QStringLiteral("The identity of %1:%2 cannot be verified.\n\n").arg(c.Host).arg(c.Port);
    }
    if (c.NameMismatch)
        text += QStringLiteral("The certificate is issued to \"%1\", not to this server.\n\n").arg(c.CommonName);
    text += QStringLiteral("Subject: %1\nIssuer: %2\nSHA-256 fingerprint: %3").arg(c.Subject, c.Issuer, c.Fingerprint);
    if (c.Changed) {
        text += QStringLiteral("\n\nPrevious subject: %1\nPrevious issuer: %2\nPrevious fingerprint: %3")
                    .arg(c.OldSubject, c.OldIssuer, c.OldFingerprint);
    }
    return text + QStringLiteral("\n\nDo you want to connect anyway?");
}

TCertificateDecision TSessionPromptDialogs::VerifyCertificate(const TCertificateInfo& certificate)
{
    QMessageBox box(certificate.Changed ? QMessageBox::Warning : QMessageBox::Question,
                    QStringLiteral("Server certificate"), CertificateText(certificate), QMessageBox::NoButton,
                    m_parent);
    QPushButton* always = box.addButton(QStringLiteral("Trust &always"), QMessageBox::AcceptRole);
    QPushButton* once = box.addButton(QStringLiteral("Trust &once"), QMessageBox::YesRole);
    QPushButton* reject = box.addButton(QStringLiteral("&Reject"), QMessageBox::RejectRole);
    box.setDefaultButton(reject);
    box.setEscapeButton(reject);
    box.exec();
    if (box.clickedButton() == always)
        return TCertificateDecision::TrustAlways;
    if (box.clickedButton() == once)
        return TCertificateDecision::TrustOnce;
    return TCertificateDecision::Reject;
}

std::optional<TCredentials> TSessionPromptDialogs::AskCredentials(const QString& server, const TCredentials& known)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(QStringLiteral("Logon to %1").arg(server));
    auto* form = new QFormLayout(&dialog);
    form->addRow(new QLabel(QStringLiteral("%1 asks for your credentials.").arg(server)));
    auto* user = new QLineEdit(known.UserName);
    auto* domain = new QLineEdit(known.Domain);
    auto* password = new QLineEdit;
    user->setObjectName(QStringLiteral("user"));
    domain->setObjectName(QStringLiteral("domain"));
    password->setObjectName(QStringLiteral("password"));
    password->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("&User:"), user);
    form->addRow(QStringLiteral("&Domain:"), domain);
    form->addRow(QStringLiteral("&Password:"), password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    (known.UserName.isEmpty() ? user : password)->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return TCredentials{user->text(), domain->text(), password->text()};
}

void TSessionPromptDialogs::ShowLogonError(const QString& server, const QString& message)
{
    QMessageBox::warning(m_parent, QStringLiteral("Logon failed"),
                         QStringLiteral("The logon to %1 failed:\n%2").arg(server, message));
}
