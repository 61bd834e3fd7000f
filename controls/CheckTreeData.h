// Per-item record of the check-box tree: the item's own flags and the counts of its descendants.
#pragma once

namespace tarvelo {

struct CHECKTREEDATA {
    bool checked = false;  // for an item with descendants: true exactly when all of them are checked
    bool enabled = true;   // nothing disables an item; kept for the picture index
    bool expanded = false; // the control's own record, kept by ExpandItem and double clicks
    bool expandedOnce = false;
    int descendantCount = 0; // items below, at all depths
    int checkedDescendantCount = 0;
    int textRight = 0; // right edge of the label as last drawn, for the tooltip test
};

} // namespace tarvelo
