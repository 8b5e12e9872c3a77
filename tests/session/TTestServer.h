#pragma once

#include <QColor>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

/// A real remote desktop server for the session tests: an Xvfb display shared by freerdp-shadow-cli on
/// 127.0.0.1 and a free port. Everything lives in a temporary folder; the processes end with the object.
class TTestServer
{
public:
    struct Options
    {
        /// Network level authentication with this user and password; plain TLS without a logon otherwise.
        QString user;
        QString password;
        QColor background = QColor(0x33, 0x66, 0xcc);
    };

    TTestServer();
    ~TTestServer();

    /// Starts the display and the server; false with `error()` set when that fails.
    bool start(const Options& options);
    bool start() { return start(Options()); }
    /// Kills the server (the display stays).
    void killServer();
    /// Starts the server again on the same port, after `killServer`.
    bool restartServer();

    int port() const { return m_port; }
    QString display() const { return m_display; }
    QString error() const { return m_error; }
    QString folder() const { return m_dir.path(); }
    /// Runs an X client on the server's display.
    std::unique_ptr<QProcess> runOnDisplay(const QString& program, const QStringList& arguments);

    /// Starts an Xvfb on a display number nobody uses; the display's name, or empty when it failed.
    static QString startDisplay(QProcess& xvfb, const QString& size = QStringLiteral("1024x768x24"));
    /// Ends a process politely, then for good.
    static void stopProcess(QProcess& process);
    /// A TCP port on 127.0.0.1 that nothing listens on right now.
    static int freePort();
    static bool waitForPort(int port, int milliseconds);

private:
    QTemporaryDir m_dir;
    QProcess m_xvfb;
    QProcess m_server;
    QStringList m_arguments;
    QString m_display;
    int m_port = 0;
    QString m_error;
};
