#include "TFolderScanner.h"

#include "TQVRDElementList.h"
#include "support/TPath.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {
void sortByName(QFileInfoList& entries)
{
    std::sort(entries.begin(), entries.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const int folded = QString::compare(a.fileName(), b.fileName(), Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.fileName() < b.fileName();
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

QList<TScanError> TFolderScanner::RefreshConnections(const QString& rootFolder)
{
    m_errors.clear();
    m_tree.BeginRebuild();
    ScanFolder(rootFolder, nullptr, true);
    m_tree.EndRebuild();
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
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    QFileInfoList folders;
    QFileInfoList files;
    for (const QFileInfo& entry : entries) {
        if (entry.isDir())
            folders.append(entry);
        else if (entry.isFile() && IsConnectionFileName(entry.fileName()))
            files.append(entry);
    }
    sortByName(folders);
    sortByName(files);

    if (recursive) {
        for (const QFileInfo& entry : std::as_const(folders)) {
            TTreeModel::Node* node = m_tree.AddFolder(parent, entry.fileName());
            // A link back to a folder being scanned would never end; show it, but do not enter it.
            const QString canonical =
                entry.isSymLink() ? entry.canonicalFilePath() : ancestors.last() + u'/' + entry.fileName();
            if (canonical.isEmpty() || ancestors.contains(canonical))
                continue;
            ancestors.append(canonical);
            scan(folder + entry.fileName() + u'/', node, recursive, ancestors);
            ancestors.removeLast();
        }
    }

    for (const QFileInfo& entry : std::as_const(files)) {
        const QString path = folder + entry.fileName();
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
            m_tree.AddServer(parent, TPath::connectionName(entry.fileName()), element->Number(), element->Connected);
        element->SetImageIndex(node->imageIndex);
    }
}
