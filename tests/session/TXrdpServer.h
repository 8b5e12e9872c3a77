#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

/// An xrdp server on 127.0.0.1 and a free port, with a test user to log on as: a real logon and a real
/// session with a clipboard. xrdp's session manager is one per machine, so one such server at a time.
/// Needs root (it creates the user and runs the session manager).
class TXrdpServer
{
public:
    static inline const QString User = QStringLiteral("velmora-test");
    static inline const QString Password = QStringLiteral("velmorapw");

    TXrdpServer();
    ~TXrdpServer();

    bool start();
    QString error() const { return m_error; }
    int port() const { return m_port; }

    /// The X display of the user's session, once it runs; empty before.
    QString sessionDisplay() const;
    /// Runs a command as the user inside the session; its standard output, or none when it failed.
    std::optional<QString> runInSession(const QString& program, const QStringList& arguments,
                                        const QByteArray& input = QByteArray()) const;

private:
    void stop();

    QTemporaryDir m_dir;
    QProcess m_sesman;
    QProcess m_xrdp;
    int m_port = 0;
    QString m_error;
};
