#pragma once

#include "support/TResult.h"

#include <QModelIndex>
#include <QString>

#include <optional>

class TQVRDElementList;
class TServerTreeModel;

/// A move of a tree node onto a folder node by drag and drop: what is asked and what moves where on disk.
struct TTreeMove
{
    QString Question;
    QString Source;
    QString TargetFolder;

    /// Only folder nodes take a drop.
    static bool AcceptsDrop(const QModelIndex& target);
    /// The move of `dragged` onto `target`, or none when the target is no folder or the dragged node is gone.
    static std::optional<TTreeMove> Plan(const TServerTreeModel& tree, const TQVRDElementList& list,
                                         const QModelIndex& dragged, const QModelIndex& target,
                                         const QString& rootFolder);
    /// Moves on disk; "Error moving file!" when it cannot, and then nothing has moved.
    TStatus Execute() const;
};
