#pragma once

#include "TTreeModel.h"

#include <QStringList>

#include <utility>
#include <vector>

class TQVRDElementList;

/// The read-only tags tree: one node per tag with the connections carrying it below. The tree is updated
/// in place, so tag nodes that survive keep their indexes and with them the view's expanded state.
class TTagsTreeModel : public TTreeModel
{
    Q_OBJECT

public:
    static constexpr int TagImageIndex = 6;
    static constexpr int ServerImageIndex = 0;

    using TTreeModel::TTreeModel;

    /// Brings the tree up to date with the elements' tags (the list's `AllTags` is collected anew).
    void BuildTagsTree(TQVRDElementList& list);

private:
    std::vector<std::pair<QString, QStringList>> m_lastInput;
    bool m_built = false;
};
