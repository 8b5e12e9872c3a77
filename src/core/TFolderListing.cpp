#include "TFolderListing.h"

#include "support/TDirListing.h"
#include "support/TPath.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace {
using Entry = TDirListing::Entry;

void sortByName(std::vector<Entry>& entries)
{
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        const int folded = QString::compare(a.name, b.name, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.name < b.name;
    });
}

void take(TFolderListing& listing, const QString& folder, bool recursive, QStringList& ancestors,
          const std::function<bool(const QString&)>& isKnown)
{
    std::vector<Entry> folders;
    std::vector<Entry> files;
    for (Entry& entry : TDirListing::list(folder)) {
        if (entry.isDir)
            folders.push_back(std::move(entry));
        else if (entry.isFile && TFolderListing::IsConnectionFileName(entry.name))
            files.push_back(std::move(entry));
    }
    sortByName(folders);
    sortByName(files);

    if (recursive) {
        for (Entry& entry : folders) {
            TFolderListing::Folder& added = listing.Folders.emplace_back();
            added.Name = std::move(entry.name);
            // A link back to a folder being scanned would never end; show it, but do not enter it.
            const QString canonical = entry.isSymLink ? QFileInfo(folder + added.Name).canonicalFilePath()
                                                      : ancestors.last() + u'/' + added.Name;
            if (canonical.isEmpty() || ancestors.contains(canonical))
                continue;
            added.Listing = std::make_unique<TFolderListing>();
            ancestors.append(canonical);
            take(*added.Listing, folder + added.Name + u'/', recursive, ancestors, isKnown);
            ancestors.removeLast();
        }
    }

    for (Entry& entry : files) {
        TFolderListing::File& added = listing.Files.emplace_back();
        added.Name = std::move(entry.name);
        if (!isKnown)
            continue;
        const QString path = folder + added.Name;
        if (isKnown(path))
            continue;
        auto record = TRDPFile::Create(path);
        if (record)
            added.Record = std::move(record.value());
        else
            added.Error = record.error();
    }
}
} // namespace

bool TFolderListing::IsConnectionFileName(const QString& fileName)
{
    return TPath::asciiLowerExtension(fileName) == QLatin1String("rdp");
}

TFolderListing TFolderListing::Take(const QString& folder, bool recursive,
                                    const std::function<bool(const QString&)>& isKnown)
{
    TFolderListing listing;
    if (folder.isEmpty())
        return listing;
    QStringList ancestors{QFileInfo(folder).canonicalFilePath()};
    take(listing, TPath::withTrailingDelimiter(folder), recursive, ancestors, isKnown);
    return listing;
}
