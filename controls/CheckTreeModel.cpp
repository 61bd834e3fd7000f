#include "controls/CheckTreeModel.h"

namespace tarvelo {

CheckTreeModel::CheckTreeModel() {
    nodes_.emplace_back();
}

CheckTreeId CheckTreeModel::Add(CheckTreeId parent) {
    const auto id = static_cast<CheckTreeId>(nodes_.size());
    Node node;
    node.parent = Contains(parent) ? parent : kNoCheckTreeItem;
    nodes_.push_back(std::move(node));
    if (Contains(parent))
        nodes_[parent].children.push_back(id);
    if (propagateChecks && !clearing) {
        // Each ancestor gains one (unchecked) descendant: a fully checked ancestor becomes partly
        // checked, which in turn costs its own parent one checked descendant.
        int delta = 0;
        for (CheckTreeId a = nodes_[id].parent; a != kNoCheckTreeItem; a = nodes_[a].parent) {
            nodes_[a].data.descendantCount += 1;
            CHECKTREEDATA& d = nodes_[a].data;
            d.checkedDescendantCount += delta;
            if (d.checkedDescendantCount < 0)
                d.checkedDescendantCount = 0;
            const bool full = d.checkedDescendantCount == d.descendantCount;
            if (full != d.checked)
                delta += full ? 1 : -1;
            d.checked = full;
            Refresh(a);
        }
    }
    return id;
}

void CheckTreeModel::Clear() {
    nodes_.clear();
    nodes_.emplace_back();
}

void CheckTreeModel::UpdateAncestors(CheckTreeId from, int delta) {
    for (CheckTreeId a = nodes_[from].parent; a != kNoCheckTreeItem; a = nodes_[a].parent) {
        CHECKTREEDATA& d = nodes_[a].data;
        d.checkedDescendantCount += delta;
        if (d.checkedDescendantCount < 0)
            d.checkedDescendantCount = 0;
        const bool full = d.checkedDescendantCount == d.descendantCount;
        if (full != d.checked)
            delta += full ? 1 : -1; // the ancestor is itself a descendant of the next one up
        d.checked = full;
        Refresh(a);
    }
}

bool CheckTreeModel::SetCheck(CheckTreeId item, bool value) {
    if (!Contains(item) || !checkBoxes || clearing)
        return false;
    CHECKTREEDATA& data = nodes_[item].data;
    const bool old = data.checked;
    data.checked = value;
    Refresh(item);
    if (!propagateChecks || value == old)
        return true;

    // Number of items in the subtree, the item included, whose flag changes.
    const int delta =
        value ? data.descendantCount - data.checkedDescendantCount + 1 : -(data.checkedDescendantCount + 1);

    // An explicit stack: paths from a hostile backup can nest hundreds of folders deep.
    std::vector<CheckTreeId> pending{item};
    while (!pending.empty()) {
        const CheckTreeId at = pending.back();
        pending.pop_back();
        CHECKTREEDATA& d = nodes_[at].data;
        d.checked = value;
        d.checkedDescendantCount = value ? d.descendantCount : 0;
        Refresh(at);
        const auto& children = nodes_[at].children;
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    UpdateAncestors(item, delta);
    return true;
}

int CheckTreeModel::GetCheck(CheckTreeId item) const {
    if (!Contains(item) || !checkBoxes)
        return 0;
    const CHECKTREEDATA& d = nodes_[item].data;
    if (propagateChecks && d.descendantCount > 0)
        return d.checkedDescendantCount == d.descendantCount ? 1 : 0;
    return d.checked ? 1 : 0;
}

int CheckTreeModel::Picture(CheckTreeId item) const {
    if (!Contains(item))
        return 0;
    const CHECKTREEDATA& d = nodes_[item].data;
    int picture = 0;
    if (propagateChecks && d.descendantCount > 0) {
        if (d.checkedDescendantCount == 0)
            picture = kUnchecked;
        else if (d.checkedDescendantCount == d.descendantCount)
            picture = kChecked;
        else
            picture = kPartly;
    } else {
        picture = d.checked ? kChecked : kUnchecked;
    }
    return d.enabled ? picture : picture + kDisabledOffset;
}

} // namespace tarvelo
