#include "controls/CheckTreeDelegate.h"

#include "controls/CCheckTreeCtrl.h"

#include <QPainter>

#include <algorithm>

namespace tarvelo {

CheckTreeDelegate::CheckTreeDelegate(CCheckTreeCtrl* tree) : QStyledItemDelegate(tree), tree_(tree) {}

void CheckTreeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QTreeWidgetItem* item = tree_->itemFromIndex(index);
    const QPalette& palette = tree_->palette();
    const QRect rect = option.rect;
    painter->save();
    painter->fillRect(rect, palette.color(QPalette::Base));

    const int picture = tree_->PictureOf(item);
    if (picture > 0) {
        const int top = rect.top() + (rect.height() - CCheckTreeCtrl::kCheckImageSize) / 2;
        painter->drawPixmap(rect.left(), top, tree_->CheckPicture(picture));
    }
    if (item != nullptr) {
        const QIcon icon = item->icon(0);
        const int top = rect.top() + (rect.height() - CCheckTreeCtrl::kIconSize) / 2;
        icon.paint(painter, QRect(rect.left() + CCheckTreeCtrl::kIconLeft, top, CCheckTreeCtrl::kIconSize,
                                  CCheckTreeCtrl::kIconSize));
    }

    // The label: one line, normal weight, in the control's font; highlighted up to the right edge.
    QFont font = tree_->font();
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    painter->setFont(font);
    const QString text = item != nullptr ? item->text(0) : QString();
    const QRect label(rect.left() + CCheckTreeCtrl::kLabelLeft, rect.top(),
                      std::max(0, rect.right() - rect.left() - CCheckTreeCtrl::kLabelLeft + 1),
                      rect.height());
    const bool highlighted =
        item != nullptr && (item == tree_->currentItem() || item == tree_->DropHighlight());
    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(text);
    if (highlighted) {
        painter->fillRect(
            QRect(label.left(), label.top(), std::min(label.width(), textWidth + 4), label.height()),
            palette.color(QPalette::Highlight));
        painter->setPen(palette.color(QPalette::HighlightedText));
    } else {
        painter->setPen(palette.color(QPalette::Text));
    }
    painter->drawText(label.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      text);
    if (CHECKTREEDATA* rec = tree_->Data(item))
        rec->textRight = label.left() + 2 + textWidth;
    painter->restore();
}

QSize CheckTreeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QFontMetrics metrics(option.font);
    const QString text = index.data(Qt::DisplayRole).toString();
    const int height = std::max(CCheckTreeCtrl::kCheckImageSize + 2, metrics.height() + 2);
    return {CCheckTreeCtrl::kLabelLeft + metrics.horizontalAdvance(text) + 6, height};
}

} // namespace tarvelo
