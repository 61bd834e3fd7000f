// Window messages and hit-test flags of the check-box tree, with the platform's numbers.
#pragma once

namespace tarvelo {

inline constexpr unsigned WM_TREEITEM_CLICKED = 1174;  // wParam hit flags (4 or 0x40), lParam item
inline constexpr unsigned WM_TREEITEM_RCLICKED = 1176; // wParam hit flags, lParam item or 0

// Hit-test flags of a tree position.
inline constexpr unsigned TVHT_NOWHERE = 0x1;
inline constexpr unsigned TVHT_ONITEMICON = 0x2;
inline constexpr unsigned TVHT_ONITEMLABEL = 0x4;
inline constexpr unsigned TVHT_ONITEMINDENT = 0x8;
inline constexpr unsigned TVHT_ONITEMBUTTON = 0x10;
inline constexpr unsigned TVHT_ONITEMRIGHT = 0x20;
inline constexpr unsigned TVHT_ONITEMSTATEICON = 0x40;

// Expand actions.
inline constexpr unsigned TVE_COLLAPSE = 0x1;
inline constexpr unsigned TVE_EXPAND = 0x2;
inline constexpr unsigned TVE_TOGGLE = 0x3;
inline constexpr unsigned TVE_COLLAPSERESET = 0x8000;

} // namespace tarvelo
