#include "controls/CCheckTreeCtrl.h"

#include "controls/CheckTreeDelegate.h"
#include "controls/CheckTreeMessages.h"

#include <QHeaderView>
#include <QScrollBar>

namespace tarvelo {

CCheckTreeCtrl::CCheckTreeCtrl(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    header()->hide();
    setRootIsDecorated(true);
    setUniformRowHeights(true); // keeps insertion into large folders cheap
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new CheckTreeDelegate(this));
    setIconSize(QSize(kIconSize, kIconSize));
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    model_.SetRefreshHook([this](CheckTreeId id) {
        // A refreshed picture loses the hot look.
        if (hotId_ == id) {
            hotItem_ = nullptr;
            hotId_ = kNoCheckTreeItem;
        }
        repaintPending_ = true;
    });
}

CCheckTreeCtrl::~CCheckTreeCtrl() = default;

void CCheckTreeCtrl::Configure() {
    model_.clearing = true;
    RemoveAllItems();
    model_.checkBoxes = true;
    toolTips_ = true;
    selectFollowsCheck_ = true;
    model_.propagateChecks = false;
    hotItem_ = nullptr;
    hotId_ = kNoCheckTreeItem;
    BuildPictures();
    model_.clearing = false;
}

QTreeWidgetItem* CCheckTreeCtrl::AddItem(const QString& text, const QIcon& image, const QIcon& selectedImage,
                                         QTreeWidgetItem* parent, Insert where, QTreeWidgetItem* after) {
    CheckTreeItem* parentItem = CheckTreeItem::From(parent);
    if (parent != nullptr && parentItem == nullptr)
        return nullptr;
    QTreeWidgetItem* container = parent != nullptr ? parent : invisibleRootItem();
    int row = container->childCount();
    if (where == Insert::First)
        row = 0;
    else if (where == Insert::After) {
        const int at = after != nullptr ? container->indexOfChild(after) : -1;
        if (at < 0)
            return nullptr;
        row = at + 1;
    }

    const CheckTreeId id = model_.Add(parentItem != nullptr ? parentItem->Id() : kNoCheckTreeItem);
    auto* item = new CheckTreeItem(id);
    item->setText(0, text);
    QIcon icon = image;
    if (!selectedImage.isNull() && selectedImage.cacheKey() != image.cacheKey())
        icon.addPixmap(selectedImage.pixmap(kIconSize), QIcon::Selected);
    item->setIcon(0, icon);
    container->insertChild(row, item);
    if (itemsById_.size() <= id)
        itemsById_.resize(id + 1, nullptr);
    itemsById_[id] = item;

    QHash<QString, QTreeWidgetItem*>& siblings =
        parentItem != nullptr ? parentItem->MakeChildren() : rootByText_;
    auto found = siblings.find(text);
    if (found == siblings.end())
        siblings.insert(text, item);
    else if (container->indexOfChild(item) < container->indexOfChild(found.value()))
        found.value() = item; // the first match in sibling order wins, as a walk would find
    if (repaintPending_) {
        repaintPending_ = false;
        viewport()->update();
    }
    return item;
}

QTreeWidgetItem* CCheckTreeCtrl::FindChild(QTreeWidgetItem* parent, const QString& text) const {
    if (parent == nullptr)
        return rootByText_.value(text, nullptr);
    CheckTreeItem* item = CheckTreeItem::From(parent);
    if (item == nullptr || item->Children() == nullptr)
        return nullptr;
    return item->Children()->value(text, nullptr);
}

quintptr CCheckTreeCtrl::GetItemData(const QTreeWidgetItem* item) {
    const auto* own = item != nullptr && item->type() == CheckTreeItem::kType
                          ? static_cast<const CheckTreeItem*>(item)
                          : nullptr;
    return own != nullptr ? own->ItemData() : 0;
}

void CCheckTreeCtrl::SetItemData(QTreeWidgetItem* item, quintptr value) {
    if (CheckTreeItem* own = CheckTreeItem::From(item))
        own->SetItemData(value);
}

const CHECKTREEDATA* CCheckTreeCtrl::Data(const QTreeWidgetItem* item) const {
    if (item == nullptr || item->type() != CheckTreeItem::kType)
        return nullptr;
    return model_.Data(static_cast<const CheckTreeItem*>(item)->Id());
}

CHECKTREEDATA* CCheckTreeCtrl::Data(const QTreeWidgetItem* item) {
    if (item == nullptr || item->type() != CheckTreeItem::kType)
        return nullptr;
    return model_.Data(static_cast<const CheckTreeItem*>(item)->Id());
}

int CCheckTreeCtrl::PictureOf(const QTreeWidgetItem* item) const {
    if (!model_.checkBoxes || item == nullptr || item->type() != CheckTreeItem::kType)
        return 0;
    const int picture = model_.Picture(static_cast<const CheckTreeItem*>(item)->Id());
    return item == hotItem_ ? picture + CheckTreeModel::kHotOffset : picture;
}

const QPixmap& CCheckTreeCtrl::CheckPicture(int index) const {
    return pictures_[static_cast<std::size_t>(index >= 0 && index < 17 ? index : 0)];
}

void CCheckTreeCtrl::RefreshPictures() {
    if (repaintPending_) {
        repaintPending_ = false;
        viewport()->update();
    }
}

void CCheckTreeCtrl::SetItemCheck(QTreeWidgetItem* item, bool value) {
    CheckTreeItem* own = CheckTreeItem::From(item);
    if (own == nullptr || !model_.SetCheck(own->Id(), value))
        return;
    RefreshPictures();
    Q_EMIT CheckboxClicked(item, value);
}

int CCheckTreeCtrl::GetItemCheck(QTreeWidgetItem* item) const {
    const CheckTreeItem* own = CheckTreeItem::From(item);
    return own != nullptr ? model_.GetCheck(own->Id()) : 0;
}

void CCheckTreeCtrl::ToggleCheck(QTreeWidgetItem* item) {
    if (const CHECKTREEDATA* rec = Data(item))
        SetItemCheck(item, !rec->checked);
}

void CCheckTreeCtrl::ExpandItem(QTreeWidgetItem* item, unsigned action) {
    CHECKTREEDATA* rec = Data(item);
    if (rec == nullptr)
        return;
    bool expand = false;
    switch (action & 0x3u) {
    case TVE_EXPAND:
        expand = true;
        break;
    case TVE_TOGGLE:
        expand = !item->isExpanded();
        break;
    default: // collapse, and collapse-reset alone
        expand = false;
        break;
    }
    if (item->childCount() > 0) {
        const bool changed = rec->expanded != expand;
        rec->expanded = expand;
        if (expand)
            rec->expandedOnce = true;
        if (changed)
            Q_EMIT ItemExpandedChanged(item, expand);
    }
    item->setExpanded(expand);
}

void CCheckTreeCtrl::ExpandSubtree(QTreeWidgetItem* item) {
    if (item->childCount() == 0)
        return;
    if (CHECKTREEDATA* rec = Data(item)) {
        const bool was = rec->expanded;
        rec->expanded = true;
        rec->expandedOnce = true;
        if (!was)
            Q_EMIT ItemExpandedChanged(item, true);
    }
    item->setExpanded(true);
    for (int i = 0; i < item->childCount(); ++i)
        ExpandSubtree(item->child(i));
}

void CCheckTreeCtrl::ExpandAll() {
    QTreeWidgetItem* remembered = currentItem() != nullptr ? currentItem() : topLevelItem(0);
    if (remembered == nullptr)
        return;
    setUpdatesEnabled(false);
    for (int i = 0; i < topLevelItemCount(); ++i)
        ExpandSubtree(topLevelItem(i));
    SelectWithNotice(remembered);
    verticalScrollBar()->setValue(0);
    scrollToItem(remembered);
    horizontalScrollBar()->setValue(0);
    setUpdatesEnabled(true);
}

void CCheckTreeCtrl::CollapseSubtree(QTreeWidgetItem* item) {
    if (item->childCount() == 0)
        return;
    ExpandItem(item, TVE_COLLAPSE);
    // Only when the first child is a folder are the sub-folders collapsed too; a folder that starts
    // with a file keeps its sub-folders' state, hidden under it.
    const QTreeWidgetItem* first = item->child(0);
    if (first == nullptr || first->childCount() == 0)
        return;
    for (int i = 0; i < item->childCount(); ++i)
        CollapseSubtree(item->child(i));
}

void CCheckTreeCtrl::CollapseAll() {
    if (topLevelItemCount() == 0)
        return;
    for (int i = 0; i < topLevelItemCount(); ++i)
        CollapseSubtree(topLevelItem(i));
    SelectWithNotice(topLevelItem(0));
    horizontalScrollBar()->setValue(0);
    viewport()->repaint();
}

void CCheckTreeCtrl::RemoveAllItems() {
    CollapseAll();
    const bool wasClearing = model_.clearing;
    model_.clearing = true;
    hotItem_ = nullptr;
    hotId_ = kNoCheckTreeItem;
    dropHighlight_ = nullptr;
    clear();
    model_.Clear();
    itemsById_.assign(1, nullptr);
    rootByText_.clear();
    model_.clearing = wasClearing;
}

void CCheckTreeCtrl::SelectWithNotice(QTreeWidgetItem* item) {
    if (item != nullptr && item == currentItem())
        return;
    if (Data(item) != nullptr) {
        Q_EMIT SelectionNotice(item);
        setCurrentItem(item);
        return;
    }
    if (QTreeWidgetItem* caret = currentItem())
        caret->setSelected(true);
}

} // namespace tarvelo
