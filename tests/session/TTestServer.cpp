#include "TTestServer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

void TTestServer::stopProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

TTestServer::TTestServer() = default;

TTestServer::~TTestServer()
{
    stopProcess(m_server);
    stopProcess(m_xvfb);
}

int TTestServer::freePort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

bool TTestServer::waitForPort(int port, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, quint16(port));
        if (socket.waitForConnected(200))
            return true;
        QThread::msleep(50);
    }
    return false;
}

QString TTestServer::startDisplay(QProcess& xvfb, const QString& size)
{
    // Xvfb tells the display number it picked through a pipe, so parallel tests never collide.
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    xvfb.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    xvfb.setChildProcessModifier([fd = fds[1]] { fcntl(fd, F_SETFD, 0); });
    xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QString::number(fds[1]),
                                        QStringLiteral("-noreset"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                        QStringLiteral("-screen"), QStringLiteral("0"), size});
    ::close(fds[1]);
    QByteArray number;
    char c = 0;
    while (::read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(fds[0]);
    return number.isEmpty() ? QString() : u':' + QString::fromLatin1(number);
}

bool TTestServer::start(const Options& options)
{
    m_display = startDisplay(m_xvfb);
    if (m_display.isEmpty()) {
        m_error = QStringLiteral("Xvfb did not start");
        return false;
    }

    auto paint = runOnDisplay(QStringLiteral("xsetroot"), {QStringLiteral("-solid"), options.background.name()});
    paint->waitForFinished(5000);

    QStringList arguments{QStringLiteral("/bind-address:127.0.0.1")};
    if (options.user.isEmpty()) {
        arguments << QStringLiteral("-auth") << QStringLiteral("/sec:tls");
    } else {
        const QString sam = m_dir.filePath(QStringLiteral("sam"));
        QProcess hash;
        hash.start(QStringLiteral("winpr-hash"), {QStringLiteral("-u"), options.user, QStringLiteral("-p"),
                                                  options.password, QStringLiteral("-f"), QStringLiteral("sam")});
        hash.waitForFinished(5000);
        QFile file(sam);
        if (!file.open(QIODevice::WriteOnly) || file.write(hash.readAllStandardOutput()) <= 0) {
            m_error = QStringLiteral("winpr-hash failed");
            return false;
        }
        arguments << QStringLiteral("/sec:nla") << QStringLiteral("+auth") << QStringLiteral("/sam-file:") + sam;
    }
    m_arguments = arguments;
    // Two servers started at the same moment may pick the same port; try a few.
    for (int attempt = 0; attempt < 5; ++attempt) {
        m_port = freePort();
        if (restartServer())
            return true;
    }
    m_error = QStringLiteral("freerdp-shadow-cli did not listen");
    return false;
}

bool TTestServer::restartServer()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path());
    env.insert(QStringLiteral("HOME"), m_dir.path());
    m_server.setProcessEnvironment(env);
    m_server.setStandardOutputFile(m_dir.filePath(QStringLiteral("shadow.log")), QIODevice::Append);
    m_server.setStandardErrorFile(m_dir.filePath(QStringLiteral("shadow.log")), QIODevice::Append);
    m_server.start(QStringLiteral("freerdp-shadow-cli"), QStringList(m_arguments)
                                                             << QStringLiteral("/port:%1").arg(m_port));
    if (m_server.waitForStarted(5000) && waitForPort(m_port, 5000) && m_server.state() == QProcess::Running)
        return true;
    stopProcess(m_server);
    return false;
}

void TTestServer::killServer()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.kill();
    m_server.waitForFinished(5000);
}

std::unique_ptr<QProcess> TTestServer::runOnDisplay(const QString& program, const QStringList& arguments)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    process->setProcessEnvironment(env);
    process->start(program, arguments);
    process->waitForStarted(5000);
    return process;
}
