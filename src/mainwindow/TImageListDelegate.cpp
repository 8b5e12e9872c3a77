#include "TImageListDelegate.h"

#include "TImageList.h"
#include "support/TItemRoles.h"

TImageListDelegate::TImageListDelegate(const TImageList& images, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_images(images)
{}

void TImageListDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const bool selected = option->state & QStyle::State_Selected;
    const QVariant picture = index.data(selected ? TItemRoles::SelectedImageIndex : TItemRoles::ImageIndex);
    if (!picture.isValid())
        return;
    option->icon = m_images.Icon(picture.toInt());
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->decorationSize = QSize(16, 16);
}
