#include "TDirListing.h"

#include <QFile>

#include <dirent.h>
#include <sys/stat.h>

std::vector<TDirListing::Entry> TDirListing::list(const QString& folder)
{
    std::vector<Entry> entries;
    const QByteArray encodedFolder = QFile::encodeName(folder);
    DIR* dir = opendir(encodedFolder.constData());
    if (!dir)
        return entries;
    while (const dirent* item = readdir(dir)) {
        const char* name = item->d_name;
        if (qstrcmp(name, ".") == 0 || qstrcmp(name, "..") == 0)
            continue;
        Entry entry;
        entry.name = QFile::decodeName(name);
        switch (item->d_type) {
        case DT_DIR:
            entry.isDir = true;
            break;
        case DT_REG:
            entry.isFile = true;
            break;
        case DT_LNK:
        case DT_UNKNOWN: {
            entry.isSymLink = item->d_type == DT_LNK;
            struct stat info
            {};
            const QByteArray path = encodedFolder + '/' + name;
            if (stat(path.constData(), &info) == 0) {
                entry.isDir = S_ISDIR(info.st_mode);
                entry.isFile = S_ISREG(info.st_mode);
            }
            break;
        }
        default:
            break;
        }
        entries.push_back(std::move(entry));
    }
    closedir(dir);
    return entries;
}
