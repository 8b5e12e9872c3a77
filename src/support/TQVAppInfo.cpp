#include "TQVAppInfo.h"

#include "TPath.h"
#include "TVersion.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <array>

TQVAppInfo::TQVAppInfo(const QString& executablePath, const QString& fallbackDataDir)
    : m_executablePath(executablePath)
    , m_fallbackDataDir(fallbackDataDir)
    , m_versionMain(TVersion::Main)
    , m_versionSub(TVersion::Sub)
    , m_versionRelease(TVersion::Release)
    , m_versionBuild(TVersion::Build)
{}

QString TQVAppInfo::StartDir() const
{
    const QString executableDir = QFileInfo(m_executablePath).absolutePath();
    QString dir = executableDir;
    if (!QFileInfo(executableDir).isWritable()) {
        dir = m_fallbackDataDir.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                          : m_fallbackDataDir;
        QDir().mkpath(dir);
    }
    m_startDir = TPath::withTrailingDelimiter(dir);
    return m_startDir;
}

QString TQVAppInfo::VersionAsString() const
{
    const std::array<std::pair<VersionPart, int>, 4> parts{{
        {viMain, m_versionMain},
        {viSub, m_versionSub},
        {viRelease, m_versionRelease},
        {viBuild, m_versionBuild},
    }};
    QString text;
    for (const auto& [flag, value] : parts) {
        if (!m_versionInfo.testFlag(flag))
            continue;
        if (!text.isEmpty())
            text += u'.';
        text += QString::number(value);
    }
    return text;
}

bool TQVAppInfo::IsNewerVersion(int major, int minor, int release, int build) const
{
    const std::array<std::pair<int, int>, 4> pairs{{
        {major, m_versionMain},
        {minor, m_versionSub},
        {release, m_versionRelease},
        {build, m_versionBuild},
    }};
    for (const auto& [given, own] : pairs) {
        if (given != own)
            return given > own;
    }
    return false;
}

QString TQVAppInfo::ProductName() const
{
    return QString::fromUtf8(TVersion::ProductName);
}

QString TQVAppInfo::ProductVersion() const
{
    return QString::fromUtf8(TVersion::ProductVersion);
}

QString TQVAppInfo::FileVersion() const
{
    return QString::fromUtf8(TVersion::FileVersion);
}
