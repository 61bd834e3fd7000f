// Mouse, keys and tooltips of the check-box tree.
#include "controls/CCheckTreeCtrl.h"
#include "controls/CheckTreeMessages.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>

namespace tarvelo {

QTreeWidgetItem* CCheckTreeCtrl::HitTest(const QPoint& pos, unsigned* flags) const {
    QTreeWidgetItem* item = itemAt(pos);
    if (item == nullptr && pos.x() >= 0) {
        // Rows span the whole width: right of the column is still the row's right-hand part.
        const int columnRight = header()->sectionViewportPosition(0) + header()->sectionSize(0) - 1;
        if (pos.x() > columnRight)
            item = itemAt(QPoint(columnRight, pos.y()));
    }
    unsigned result = TVHT_NOWHERE;
    if (item != nullptr) {
        const QRect rect = visualItemRect(item);
        const int x = pos.x() - rect.left();
        const int textWidth = fontMetrics().horizontalAdvance(item->text(0));
        if (x < 0)
            result = item->childCount() > 0 && x >= -indentation() ? TVHT_ONITEMBUTTON : TVHT_ONITEMINDENT;
        else if (x < kIconLeft)
            result = model_.checkBoxes ? TVHT_ONITEMSTATEICON : TVHT_ONITEMINDENT;
        else if (x < kLabelLeft)
            result = TVHT_ONITEMICON;
        else if (x < kLabelLeft + textWidth + 4)
            result = TVHT_ONITEMLABEL;
        else
            result = TVHT_ONITEMRIGHT;
    }
    if (flags != nullptr)
        *flags = result;
    return item;
}

void CCheckTreeCtrl::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        if (topLevelItemCount() == 0)
            return;
        unsigned flags = 0;
        QTreeWidgetItem* item = HitTest(pos, &flags);
        QTreeWidget::mousePressEvent(event);
        SelectWithNotice(item);
        dropHighlight_ = item;
        if (item != nullptr)
            item->setSelected(true);
        viewport()->update();
        Q_EMIT TreeMessage(WM_TREEITEM_RCLICKED, flags, Handle(item));
        return;
    }
    if (event->button() != Qt::LeftButton) {
        QTreeWidget::mousePressEvent(event);
        return;
    }
    unsigned flags = 0;
    QTreeWidgetItem* item = HitTest(pos, &flags);
    QTreeWidget::mousePressEvent(event);
    // The click itself: a click on the check box toggles it, selects the item and shows it hot.
    if (item != nullptr && (flags & TVHT_ONITEMSTATEICON) != 0) {
        ToggleCheck(item);
        if (selectFollowsCheck_)
            SelectWithNotice(item);
        SetHot(item);
    }
    SelectWithNotice(item);
    dropHighlight_ = item;
    if (item != nullptr)
        item->setSelected(true);
    viewport()->update();
    if ((flags == TVHT_ONITEMLABEL && item != nullptr) || flags == TVHT_ONITEMSTATEICON)
        Q_EMIT TreeMessage(WM_TREEITEM_CLICKED, flags, Handle(item));
}

void CCheckTreeCtrl::SetHot(QTreeWidgetItem* item) {
    const CheckTreeItem* own = CheckTreeItem::From(item);
    hotItem_ = own != nullptr ? item : nullptr;
    hotId_ = own != nullptr ? own->Id() : kNoCheckTreeItem;
    viewport()->update();
}

void CCheckTreeCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    unsigned flags = 0;
    QTreeWidgetItem* item = HitTest(event->position().toPoint(), &flags);
    constexpr unsigned kOnItem =
        TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMBUTTON | TVHT_ONITEMSTATEICON;
    if (item != nullptr && (flags & kOnItem) != 0 && item->childCount() > 0) {
        if (CHECKTREEDATA* rec = Data(item)) {
            rec->expanded = !rec->expanded;
            if (rec->expanded)
                rec->expandedOnce = true;
            Q_EMIT ItemExpandedChanged(item, rec->expanded);
        }
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void CCheckTreeCtrl::keyPressEvent(QKeyEvent* event) {
    QTreeWidgetItem* caret = currentItem();
    const bool keypad = (event->modifiers() & Qt::KeypadModifier) != 0;
    switch (event->key()) {
    case Qt::Key_Space:
        if (caret != nullptr)
            ToggleCheck(caret);
        return;
    case Qt::Key_Right:
    case Qt::Key_Left: {
        const CHECKTREEDATA* rec = Data(caret);
        if (rec != nullptr && rec->descendantCount > 0) {
            const bool right = event->key() == Qt::Key_Right;
            if (right != rec->expanded) {
                ExpandItem(caret, right ? TVE_EXPAND : TVE_COLLAPSE);
                return;
            }
        }
        break;
    }
    case Qt::Key_Down:
    case Qt::Key_Up: {
        QTreeWidgetItem* next = caret == nullptr               ? nullptr
                                : event->key() == Qt::Key_Down ? itemBelow(caret)
                                                               : itemAbove(caret);
        if (next != nullptr) {
            SelectWithNotice(next);
            scrollToItem(next);
            return;
        }
        break;
    }
    case Qt::Key_Asterisk:
        if (keypad && caret != nullptr) {
            ExpandSubtree(caret);
            scrollToItem(caret);
            horizontalScrollBar()->setValue(0);
            return;
        }
        break;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        if (keypad && caret != nullptr) {
            ExpandItem(caret, event->key() == Qt::Key_Plus ? TVE_EXPAND : TVE_COLLAPSE);
            return;
        }
        break;
    default:
        break;
    }
    QTreeWidget::keyPressEvent(event);
}

QString CCheckTreeCtrl::TooltipTextAt(const QPoint& pos) const {
    if (!toolTips_)
        return {};
    unsigned flags = 0;
    QTreeWidgetItem* item = HitTest(pos, &flags);
    const CHECKTREEDATA* rec = Data(item);
    constexpr unsigned kOnItem = TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON;
    if (rec == nullptr || (flags & kOnItem) == 0 || rec->textRight <= viewport()->width() - 3)
        return {};
    return item->text(0).left(78);
}

bool CCheckTreeCtrl::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = TooltipTextAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, viewport());
        return true;
    }
    return QTreeWidget::viewportEvent(event);
}

} // namespace tarvelo
