#include "TFolderScanner.h"

#include "TFolderListing.h"
#include "TQVRDElementList.h"
#include "persist/TQVSettings.h"
#include "support/TPath.h"

TFolderScanner::TFolderScanner(TQVRDElementList& list, TServerTreeModel& tree)
    : m_list(list)
    , m_tree(tree)
{}

QList<TScanError> TFolderScanner::RefreshConnections(const QString& rootFolder, TQVSettings* history)
{
    TFolderListing listing = TFolderListing::Take(rootFolder, true);
    return Apply(rootFolder, listing, history);
}

QList<TScanError> TFolderScanner::Apply(const QString& rootFolder, TFolderListing& listing, TQVSettings* history)
{
    m_errors.clear();
    m_tree.BeginRebuild();
    if (!rootFolder.isEmpty())
        add(TPath::withTrailingDelimiter(rootFolder), listing, nullptr);
    m_tree.EndRebuild();
    if (history)
        history->ApplyHistory();
    return m_errors;
}

void TFolderScanner::ScanFolder(const QString& folder, TTreeModel::Node* parent, bool recursive)
{
    if (folder.isEmpty())
        return;
    TFolderListing listing = TFolderListing::Take(folder, recursive);
    add(TPath::withTrailingDelimiter(folder), listing, parent);
}

void TFolderScanner::add(const QString& folder, TFolderListing& listing, TTreeModel::Node* parent)
{
    for (TFolderListing::Folder& entry : listing.Folders) {
        TTreeModel::Node* node = m_tree.AddFolder(parent, entry.Name);
        if (entry.Listing)
            add(folder + entry.Name + u'/', *entry.Listing, node);
    }

    for (TFolderListing::File& entry : listing.Files) {
        const QString path = folder + entry.Name;
        TQVRDElement* element = m_list.FindByFileName(path);
        if (!element) {
            if (entry.Record) {
                element = m_list.Add(std::move(entry.Record));
            } else if (!entry.Error.isEmpty()) {
                m_errors.append({path, entry.Error});
                continue;
            } else if (auto added = m_list.Add(path)) {
                element = added.value();
            } else {
                m_errors.append({path, added.error()});
                continue;
            }
            if (m_elementCreated)
                m_elementCreated(element);
        }
        const TTreeModel::Node* node =
            m_tree.AddServer(parent, TPath::connectionName(entry.Name), element->Number(), element->Connected);
        element->SetImageIndex(node->imageIndex);
    }
}
