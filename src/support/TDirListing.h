#pragma once

#include <QString>

#include <vector>

/// One directory's entries without a stat call per entry where the file system already says what an entry
/// is; links and entries of unknown kind are resolved with one stat (a link counts as what it points to).
namespace TDirListing {
struct Entry
{
    QString name;
    bool isDir = false;
    bool isFile = false;
    bool isSymLink = false;
};

/// Every entry but "." and "..", hidden ones included, in the order the file system returns them.
/// Empty when the folder cannot be listed.
std::vector<Entry> list(const QString& folder);
} // namespace TDirListing
