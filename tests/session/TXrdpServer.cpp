#include "TXrdpServer.h"

#include "TTestServer.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {
bool run(const QString& program, const QStringList& arguments, const QByteArray& input = QByteArray())
{
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void clearRunFolder()
{
    QDir runDir(QStringLiteral("/run/xrdp"));
    for (const QString& pid : runDir.entryList({QStringLiteral("*.pid")}, QDir::Files))
        runDir.remove(pid);
}
} // namespace

TXrdpServer::TXrdpServer() = default;

TXrdpServer::~TXrdpServer()
{
    stop();
}

bool TXrdpServer::start()
{
    if (!run(QStringLiteral("id"), {User}) &&
        !run(QStringLiteral("useradd"),
             {QStringLiteral("-m"), QStringLiteral("-s"), QStringLiteral("/bin/bash"), User})) {
        m_error = QStringLiteral("cannot create the test user");
        return false;
    }
    if (!run(QStringLiteral("chpasswd"), {}, (User + u':' + Password).toUtf8())) {
        m_error = QStringLiteral("cannot set the test user's password");
        return false;
    }
    // Sessions of earlier runs would be reattached instead of a fresh desktop.
    run(QStringLiteral("pkill"), {QStringLiteral("-KILL"), QStringLiteral("-u"), User});
    QDir().mkpath(QStringLiteral("/run/xrdp/sockdir"));
    QFile::setPermissions(QStringLiteral("/run/xrdp/sockdir"), QFileDevice::Permissions(0x7777));
    clearRunFolder();

    QFile packaged(QStringLiteral("/etc/xrdp/xrdp.ini"));
    if (!packaged.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("xrdp is not installed");
        return false;
    }
    QString ini = QString::fromUtf8(packaged.readAll());
    m_port = TTestServer::freePort();
    ini.replace(QRegularExpression(QStringLiteral("(?m)^port=3389$")),
                QStringLiteral("port=tcp://127.0.0.1:%1").arg(m_port));
    ini.replace(QRegularExpression(QStringLiteral("(?m)^security_layer=.*$")), QStringLiteral("security_layer=tls"));
    const QString iniPath = m_dir.filePath(QStringLiteral("xrdp.ini"));
    QFile own(iniPath);
    if (!own.open(QIODevice::WriteOnly) || own.write(ini.toUtf8()) <= 0) {
        m_error = QStringLiteral("cannot write the xrdp configuration");
        return false;
    }
    own.close();

    m_sesman.setStandardOutputFile(m_dir.filePath(QStringLiteral("sesman.log")));
    m_sesman.setStandardErrorFile(m_dir.filePath(QStringLiteral("sesman.err")));
    m_sesman.start(QStringLiteral("xrdp-sesman"), {QStringLiteral("-n")});
    m_xrdp.setStandardOutputFile(m_dir.filePath(QStringLiteral("xrdp.log")));
    m_xrdp.setStandardErrorFile(m_dir.filePath(QStringLiteral("xrdp.err")));
    m_xrdp.start(QStringLiteral("xrdp"), {QStringLiteral("-n"), QStringLiteral("-c"), iniPath});
    if (!m_sesman.waitForStarted(5000) || !m_xrdp.waitForStarted(5000) || !TTestServer::waitForPort(m_port, 10000)) {
        m_error = QStringLiteral("xrdp did not listen");
        return false;
    }
    return true;
}

void TXrdpServer::stop()
{
    TTestServer::stopProcess(m_xrdp);
    TTestServer::stopProcess(m_sesman);
    run(QStringLiteral("pkill"), {QStringLiteral("-KILL"), QStringLiteral("-u"), User});
    clearRunFolder();
}

QString TXrdpServer::sessionDisplay() const
{
    QProcess pgrep;
    pgrep.start(QStringLiteral("pgrep"), {QStringLiteral("-a"), QStringLiteral("-u"), User, QStringLiteral("Xorg")});
    pgrep.waitForFinished(5000);
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral(" (:\\d+)")).match(QString::fromUtf8(pgrep.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1) : QString();
}

std::optional<QString> TXrdpServer::runInSession(const QString& program, const QStringList& arguments,
                                                 const QByteArray& input) const
{
    const QString display = sessionDisplay();
    if (display.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), User, QStringLiteral("--"),
                                                         QStringLiteral("env"), QStringLiteral("DISPLAY=") + display,
                                                         QStringLiteral("XAUTHORITY=/home/%1/.Xauthority").arg(User),
                                                         QStringLiteral("timeout"), QStringLiteral("2"), program} +
                                                 arguments);
    process.write(input);
    process.closeWriteChannel();
    // A clipboard owner (xclip -i) stays to serve its text; do not wait for it.
    if (!process.waitForFinished(5000) && input.isEmpty())
        return std::nullopt;
    if (process.state() == QProcess::NotRunning && process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}
