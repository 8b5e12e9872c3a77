#pragma once

#include <QStyledItemDelegate>

class TImageList;

/// Draws an item's picture from the shared image list: the selected picture while the item is selected.
class TImageListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    TImageListDelegate(const TImageList& images, QObject* parent = nullptr);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    const TImageList& m_images;
};
