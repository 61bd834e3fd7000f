#include "app/CPropertiesWnd.h"

#include "app/res/Resource.h"

#include <QApplication>
#include <QHeaderView>
#include <QTreeWidget>

namespace tarvelo::app {

CPropertiesWnd::CPropertiesWnd(QWidget* parent)
    : DockPane(QStringLiteral("Selected File Properties"), ID_VIEW_PROPERTIESWND, QSize(400, 200), parent) {
    setObjectName(QStringLiteral("propertiesPane"));
    // Property grid: group rows with name/value rows below them.
    grid_ = new QTreeWidget(this);
    grid_->setObjectName(QStringLiteral("propertyGrid"));
    grid_->setProperty("controlId", IDC_PROPERTY_GRID);
    grid_->setColumnCount(2);
    grid_->setHeaderHidden(true);
    grid_->setAlternatingRowColors(false);
    grid_->setRootIsDecorated(true);
    grid_->setIndentation(12);
    grid_->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    grid_->setColumnWidth(0, 170);
    grid_->setFont(QApplication::font());
    grid_->setContextMenuPolicy(Qt::PreventContextMenu);
    setWidget(grid_);
}

} // namespace tarvelo::app
