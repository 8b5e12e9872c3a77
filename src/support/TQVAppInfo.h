#pragma once

#include <QFlags>
#include <QString>

/// Where the program lives and which version it carries.
class TQVAppInfo
{
public:
    enum VersionPart { viMain = 0x1, viSub = 0x2, viRelease = 0x4, viBuild = 0x8 };
    Q_DECLARE_FLAGS(VersionParts, VersionPart)

    /// `executablePath` is the program's own path; `fallbackDataDir` is used as the start directory when the
    /// executable's folder is not writable (an installed program). Empty means the per-user data folder.
    explicit TQVAppInfo(const QString& executablePath, const QString& fallbackDataDir = QString());

    /// The folder beside which settings, layout store, log and connections live; ends with "/".
    QString StartDir() const;

    QString VersionAsString() const;
    int VersionMain() const { return m_versionMain; }
    int VersionSub() const { return m_versionSub; }
    int VersionRelease() const { return m_versionRelease; }
    int VersionBuild() const { return m_versionBuild; }
    VersionParts VersionInfo() const { return m_versionInfo; }
    void SetVersionInfo(VersionParts parts) { m_versionInfo = parts; }

    /// True when the given version is strictly newer than this executable's, part by part.
    bool IsNewerVersion(int major, int minor, int release, int build) const;

    QString ProductName() const;
    QString ProductVersion() const;
    QString FileVersion() const;

private:
    QString m_executablePath;
    QString m_fallbackDataDir;
    mutable QString m_startDir;
    int m_versionMain;
    int m_versionSub;
    int m_versionRelease;
    int m_versionBuild;
    VersionParts m_versionInfo = VersionParts(viMain | viSub | viRelease | viBuild);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TQVAppInfo::VersionParts)
