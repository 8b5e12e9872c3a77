#pragma once

#include "session/ISessionPrompts.h"

#include <QList>

/// Answers a session's questions the way a test scripts them, and counts them.
class TScriptedPrompts : public ISessionPrompts
{
public:
    TCertificateDecision certificateAnswer = TCertificateDecision::TrustOnce;
    std::optional<TCredentials> credentials;
    QList<TCertificateInfo> certificatesAsked;
    QList<TCredentials> credentialsAsked;
    QStringList logonErrors;

    TCertificateDecision VerifyCertificate(const TCertificateInfo& certificate) override
    {
        certificatesAsked.append(certificate);
        return certificateAnswer;
    }
    std::optional<TCredentials> AskCredentials(const QString&, const TCredentials& known) override
    {
        credentialsAsked.append(known);
        return credentials;
    }
    void ShowLogonError(const QString&, const QString& message) override { logonErrors.append(message); }
};
