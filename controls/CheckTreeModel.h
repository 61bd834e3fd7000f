// The counting side of the check-box tree, free of any window: one CHECKTREEDATA per item, the parent
// links, and the check propagation. Adding an item costs one step per ancestor; checking an item costs
// its subtree plus its ancestor chain; nothing rescans the whole tree.
#pragma once

#include "controls/CheckTreeData.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace tarvelo {

// Handle of an item in the model; 0 is "none".
using CheckTreeId = std::uint32_t;
inline constexpr CheckTreeId kNoCheckTreeItem = 0;

class CheckTreeModel {
public:
    // Check-box picture indexes: 1 unchecked, 2 checked, 3 partly checked; +4 disabled; +8 hot.
    static constexpr int kUnchecked = 1;
    static constexpr int kChecked = 2;
    static constexpr int kPartly = 3;
    static constexpr int kDisabledOffset = 4;
    static constexpr int kHotOffset = 8;

    CheckTreeModel();

    bool checkBoxes = false;
    bool propagateChecks = false;
    bool clearing = false; // while set, no check or count bookkeeping happens

    // Registers a new unchecked item under parent (kNoCheckTreeItem for a root item) and updates the
    // ancestors' counts. Returns the new item's handle.
    CheckTreeId Add(CheckTreeId parent);
    // Forgets every item (handles are reused afterwards).
    void Clear();

    // Sets the item's check and propagates. Returns false when the call was ignored (no item, check
    // boxes off, clearing); the caller then sends no notification.
    bool SetCheck(CheckTreeId item, bool value);
    // 0 or 1; a partly checked item answers 0.
    [[nodiscard]] int GetCheck(CheckTreeId item) const;
    // The picture index the item shows now (1, 2 or 3, plus 4 when disabled); never the hot bit.
    [[nodiscard]] int Picture(CheckTreeId item) const;

    [[nodiscard]] bool Contains(CheckTreeId item) const { return item != 0 && item < nodes_.size(); }
    [[nodiscard]] CHECKTREEDATA* Data(CheckTreeId item) {
        return Contains(item) ? &nodes_[item].data : nullptr;
    }
    [[nodiscard]] const CHECKTREEDATA* Data(CheckTreeId item) const {
        return Contains(item) ? &nodes_[item].data : nullptr;
    }
    // A copy of the item's record; a default record for an unknown item.
    [[nodiscard]] CHECKTREEDATA Record(CheckTreeId item) const {
        return Contains(item) ? nodes_[item].data : CHECKTREEDATA{};
    }
    [[nodiscard]] CheckTreeId Parent(CheckTreeId item) const {
        return Contains(item) ? nodes_[item].parent : kNoCheckTreeItem;
    }
    [[nodiscard]] std::size_t Size() const { return nodes_.size() - 1; }

    // Called for every item whose picture was refreshed by a check or count change.
    void SetRefreshHook(std::function<void(CheckTreeId)> hook) { refreshed_ = std::move(hook); }

private:
    struct Node {
        CHECKTREEDATA data;
        CheckTreeId parent = kNoCheckTreeItem;
        std::vector<CheckTreeId> children; // in insertion order; the counting does not need sibling order
    };

    void UpdateAncestors(CheckTreeId from, int delta);
    void Refresh(CheckTreeId item) const {
        if (refreshed_)
            refreshed_(item);
    }

    std::vector<Node> nodes_; // index 0 is the unused "none" slot
    std::function<void(CheckTreeId)> refreshed_;
};

} // namespace tarvelo
