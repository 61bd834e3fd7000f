#include "app/ContextMenus.h"

#include "app/res/Resource.h"

#include <QMenu>

namespace tarvelo::app {

namespace {
void Add(QMenu& menu, int id, const QString& text) {
    menu.addAction(text)->setData(id);
}
} // namespace

std::unique_ptr<QMenu> TreeClickMenu(QWidget* parent) {
    auto menu = std::make_unique<QMenu>(QStringLiteral("Tree Click"), parent);
    Add(*menu, ID_EXPAND_ALL, QStringLiteral("Expand All"));
    Add(*menu, ID_COLLAPSE_ALL, QStringLiteral("Collapse All"));
    return menu;
}

std::unique_ptr<QMenu> ListRClickMenu(QWidget* parent) {
    auto menu = std::make_unique<QMenu>(QStringLiteral("List RClick"), parent);
    menu->addSeparator();
    Add(*menu, ID_SHOW_FILE_PREVIEW, QStringLiteral("Show File Preview"));
    menu->addSeparator();
    return menu;
}

} // namespace tarvelo::app
