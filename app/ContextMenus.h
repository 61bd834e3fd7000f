// The two context menus of the tree and the file list (resources 330 and 331).
#pragma once

#include <memory>

class QMenu;
class QWidget;

namespace tarvelo::app {

// "Tree Click": 32771 "Expand All", 32772 "Collapse All". The action data is the command id.
std::unique_ptr<QMenu> TreeClickMenu(QWidget* parent);
// "List RClick": a separator, 32774 "Show File Preview", a separator.
std::unique_ptr<QMenu> ListRClickMenu(QWidget* parent);

} // namespace tarvelo::app
