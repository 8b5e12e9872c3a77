#pragma once

#include <Qt>

/// Item data roles shared by every model the window shows with the shared image list.
namespace TItemRoles {
enum Role {
    ImageIndex = Qt::UserRole + 1,
    SelectedImageIndex,
    NodeData,
    /// The first role a model may use for its own purposes.
    FirstCustom = Qt::UserRole + 16,
};
} // namespace TItemRoles
