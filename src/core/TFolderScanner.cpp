#include "TFolderScanner.h"

#include "TQVRDElementList.h"
#include "persist/TQVSettings.h"
#include "support/TDirListing.h"
#include "support/TPath.h"

#include <QFileInfo>

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
} // namespace

TFolderScanner::TFolderScanner(TQVRDElementList& list, TServerTreeModel& tree)
    : m_list(list)
    , m_tree(tree)
{}

bool TFolderScanner::IsConnectionFileName(const QString& fileName)
{
    return TPath::asciiLowerExtension(fileName) == QLatin1String("rdp");
}

QList<TScanError> TFolderScanner::RefreshConnections(const QString& rootFolder, TQVSettings* history)
{
    m_errors.clear();
    m_tree.BeginRebuild();
    ScanFolder(rootFolder, nullptr, true);
    m_tree.EndRebuild();
    if (history)
        history->ApplyHistory();
    return m_errors;
}

void TFolderScanner::ScanFolder(const QString& folder, TTreeModel::Node* parent, bool recursive)
{
    if (folder.isEmpty())
        return;
    QStringList ancestors{QFileInfo(folder).canonicalFilePath()};
    scan(TPath::withTrailingDelimiter(folder), parent, recursive, ancestors);
}

void TFolderScanner::scan(const QString& folder, TTreeModel::Node* parent, bool recursive, QStringList& ancestors)
{
    std::vector<Entry> folders;
    std::vector<Entry> files;
    for (Entry& entry : TDirListing::list(folder)) {
        if (entry.isDir)
            folders.push_back(std::move(entry));
        else if (entry.isFile && IsConnectionFileName(entry.name))
            files.push_back(std::move(entry));
    }
    sortByName(folders);
    sortByName(files);

    if (recursive) {
        for (const Entry& entry : folders) {
            TTreeModel::Node* node = m_tree.AddFolder(parent, entry.name);
            // A link back to a folder being scanned would never end; show it, but do not enter it.
            const QString canonical = entry.isSymLink ? QFileInfo(folder + entry.name).canonicalFilePath()
                                                      : ancestors.last() + u'/' + entry.name;
            if (canonical.isEmpty() || ancestors.contains(canonical))
                continue;
            ancestors.append(canonical);
            scan(folder + entry.name + u'/', node, recursive, ancestors);
            ancestors.removeLast();
        }
    }

    for (const Entry& entry : files) {
        const QString path = folder + entry.name;
        TQVRDElement* element = m_list.FindByFileName(path);
        if (!element) {
            auto added = m_list.Add(path);
            if (!added) {
                m_errors.append({path, added.error()});
                continue;
            }
            element = added.value();
            if (m_elementCreated)
                m_elementCreated(element);
        }
        const TTreeModel::Node* node =
            m_tree.AddServer(parent, TPath::connectionName(entry.name), element->Number(), element->Connected);
        element->SetImageIndex(node->imageIndex);
    }
}
