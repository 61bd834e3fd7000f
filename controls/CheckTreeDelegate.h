// Paints one row of the check-box tree: the check picture, the icon and the label, which the control
// draws itself (window colours, or highlight colours for the caret and drop-highlight items).
#pragma once

#include <QStyledItemDelegate>

namespace tarvelo {

class CCheckTreeCtrl;

class CheckTreeDelegate : public QStyledItemDelegate {
public:
    explicit CheckTreeDelegate(CCheckTreeCtrl* tree);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    CCheckTreeCtrl* tree_;
};

} // namespace tarvelo
