#pragma once

#include <QString>

#include <optional>

/// A server certificate the client could not verify by itself.
struct TCertificateInfo
{
    QString Host;
    int Port = 0;
    QString CommonName;
    QString Subject;
    QString Issuer;
    QString Fingerprint;
    /// Set when the host presented another certificate before.
    bool Changed = false;
    QString OldSubject;
    QString OldIssuer;
    QString OldFingerprint;
    /// The certificate names another host than the one connected to.
    bool NameMismatch = false;
};

enum class TCertificateDecision { Reject, TrustOnce, TrustAlways };

struct TCredentials
{
    QString UserName;
    QString Domain;
    QString Password;
};

/// What a session asks the user. Called on the user-interface thread; the session waits for the answer.
class ISessionPrompts
{
public:
    virtual ~ISessionPrompts() = default;
    virtual TCertificateDecision VerifyCertificate(const TCertificateInfo& certificate) = 0;
    /// The credentials to log on with, or none when the user cancels. The password is used for this logon
    /// only and never stored.
    virtual std::optional<TCredentials> AskCredentials(const QString& server, const TCredentials& known) = 0;
    virtual void ShowLogonError(const QString& server, const QString& message) = 0;
};
