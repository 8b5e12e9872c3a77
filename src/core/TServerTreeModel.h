#pragma once

#include "TTreeModel.h"

#include <QHash>

class TQVRDElement;

/// The server tree: folder nodes (data 0) and server nodes (data = the element number).
class TServerTreeModel : public TTreeModel
{
    Q_OBJECT

public:
    static constexpr int FolderImageIndex = 6;
    static constexpr int FolderSelectedImageIndex = 7;
    static constexpr int OpenFolderImageIndex = 9;
    static constexpr int OpenFolderSelectedImageIndex = 10;
    static constexpr int ServerImageIndex = 0;
    static constexpr int ServerSelectedImageIndex = 4;
    static constexpr int ConnectedImageIndex = 59;

    using TTreeModel::TTreeModel;

    /// Drops every node and starts a rebuild; views see one reset when `EndRebuild` runs.
    void BeginRebuild();
    void EndRebuild();
    Node* AddFolder(Node* parent, const QString& name);
    /// A server node with the idle icons, or the connected ones.
    Node* AddServer(Node* parent, const QString& name, int number, bool connected);

    /// Position of the node in top-to-bottom order over all levels; -1 for none.
    int AbsoluteIndex(const QModelIndex& index) const;
    QModelIndex NodeAtAbsoluteIndex(int absoluteIndex) const;
    int NodeCount() const;
    /// The absolute index of the first server node of the element in tree order; -1 for none.
    int AbsoluteIndexOfServer(int number) const;
    /// Whether the tree has a server node for the element.
    bool HasServer(int number) const { return m_serversByNumber.contains(number); }

    /// Sets the icons of every server node of the element; a negative index keeps that icon.
    void SetServerImages(int number, int imageIndex, int selectedImageIndex);
    /// Gives the element's server node a caption; an empty caption leaves the text as it is.
    void SetServerCaption(int number, const QString& caption);

    static bool IsServerNode(const QModelIndex& index);
    /// The folder's own name, whatever count suffix its text shows.
    QString StripFolderCount(const QModelIndex& index) const;
    /// "/Prod/Web" for the folder Web in the top-level folder Prod; a server node's path ends with its caption.
    QString GetNodePath(const QModelIndex& index) const;
    /// The folder on disk of a node: the root for none and for top-level servers, the folder itself for a
    /// folder node, the containing folder for a server node.
    QString GetNodeFolder(const QModelIndex& index, const QString& root) const;
    /// Folder texts with or without " (n)", n being the number of direct children.
    void SetFolderCaptions(bool withCount);
    /// A folder opened or closed: its icons follow.
    void SetExpanded(const QModelIndex& index, bool expanded);

    /// The absolute index of the first server node at or after `start` whose text contains `text`, without
    /// regard to case; folders never match, nor does an empty text. -1 when none does.
    int FindServer(const QString& text, int start) const;

    /// A caption from a template: "%ALIAS%", then "%HOSTNAME%", then "%IP%" are replaced, each in the result
    /// of the step before, case-sensitively. A panel caption also knows "%FOLDER%" (after "%ALIAS%"), which
    /// stands for the name of the folder holding the connection file.
    static QString MakeCaption(const QString& pattern, const TQVRDElement& element, bool panel = false);

    /// Where the selection goes after a rebuild: the old absolute index, stepped back into the new tree.
    /// -1 when nothing was selected or the tree is empty.
    static int RestoredSelectionIndex(int oldAbsoluteIndex, int nodeCount);

private:
    bool m_rebuilding = false;
    QMultiHash<int, Node*> m_serversByNumber;
};
