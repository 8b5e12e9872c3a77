#pragma once

#include "TServerTreeModel.h"

#include <QList>
#include <QString>

#include <functional>

class TFolderListing;
class TQVRDElement;
class TQVRDElementList;
class TQVSettings;

/// A connection file the scan could not read, and why.
struct TScanError
{
    QString FileName;
    QString Message;
};

/// Builds the server tree from the folder tree under the connection root folder, creating an element for
/// every connection file the list does not know yet. Existing elements, their numbers and sessions survive.
class TFolderScanner
{
public:
    TFolderScanner(TQVRDElementList& list, TServerTreeModel& tree);

    /// Called for every element the scan creates (the window wires its session events here).
    void SetElementCreated(std::function<void(TQVRDElement*)> callback) { m_elementCreated = std::move(callback); }

    /// Rebuilds the tree from the root folder, then gives every connection named in the stored history its
    /// last-used date. A missing or unlistable root gives an empty tree. Files that cannot be read are left
    /// out and reported; the scan goes on.
    QList<TScanError> RefreshConnections(const QString& rootFolder, TQVSettings* history = nullptr);
    /// The same from a listing taken beforehand (possibly on another thread); the listing is used up.
    QList<TScanError> Apply(const QString& rootFolder, TFolderListing& listing, TQVSettings* history = nullptr);

    /// Adds the nodes of one folder below `parent` (the top level for none): folders first, then
    /// connection files, each group by name without regard to case.
    void ScanFolder(const QString& folder, TTreeModel::Node* parent, bool recursive);

private:
    void add(const QString& folder, TFolderListing& listing, TTreeModel::Node* parent);

    TQVRDElementList& m_list;
    TServerTreeModel& m_tree;
    QList<TScanError> m_errors;
    std::function<void(TQVRDElement*)> m_elementCreated;
};
