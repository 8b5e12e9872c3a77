#pragma once

#include "ISessionPrompts.h"

class QWidget;

/// The questions of a session as dialogs: the certificate of an unknown or changed server, the password
/// the server wants, and a failed logon.
class TSessionPromptDialogs : public ISessionPrompts
{
public:
    explicit TSessionPromptDialogs(QWidget* parent = nullptr);

    TCertificateDecision VerifyCertificate(const TCertificateInfo& certificate) override;
    std::optional<TCredentials> AskCredentials(const QString& server, const TCredentials& known) override;
    void ShowLogonError(const QString& server, const QString& message) override;

    static QString CertificateText(const TCertificateInfo& certificate);

private:
    QWidget* m_parent;
};
