#include "TTreeMove.h"

#include "TQVRDElementList.h"
#include "TServerTreeModel.h"
#include "support/TFileMove.h"
#include "support/TPath.h"

bool TTreeMove::AcceptsDrop(const QModelIndex& target)
{
    return target.isValid() && !TServerTreeModel::IsServerNode(target);
}

std::optional<TTreeMove> TTreeMove::Plan(const TServerTreeModel& tree, const TQVRDElementList& list,
                                         const QModelIndex& dragged, const QModelIndex& target,
                                         const QString& rootFolder)
{
    if (!dragged.isValid() || !AcceptsDrop(target))
        return std::nullopt;
    const QString root = TPath::withoutTrailingDelimiter(rootFolder);
    TTreeMove move;
    if (TServerTreeModel::IsServerNode(dragged)) {
        const TQVRDElement* element = list.FindByNumber(dragged.data(TTreeModel::NodeDataRole).toInt());
        if (!element)
            return std::nullopt;
        move.Source = element->RdpFile().FileName;
    } else {
        move.Source = root + tree.GetNodePath(dragged);
    }
    move.TargetFolder = root + tree.GetNodePath(target);
    move.Question = QStringLiteral("Do you realy want to move \"%1\" to \"%2\"?")
                        .arg(tree.GetNodePath(dragged), tree.GetNodePath(target));
    return move;
}

TStatus TTreeMove::Execute() const
{
    if (!TFileMove::MoveInto(Source, TargetFolder))
        return TStatus::Failure(QStringLiteral("Error moving file!"));
    return {};
}
