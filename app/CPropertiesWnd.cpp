#include "app/CPropertiesWnd.h"

#include "app/res/Resource.h"
#include "dbheader/CPropertyGridCtrl.h"
#include "dbheader/PropertiesContent.h"

namespace tarvelo::app {

CPropertiesWnd::CPropertiesWnd(QWidget* parent)
    : DockPane(QStringLiteral("Selected File Properties"), ID_VIEW_PROPERTIESWND, QSize(400, 200), parent) {
    setObjectName(QStringLiteral("propertiesPane"));
    // Read-only property grid: groups of caption/value rows with a description area below.
    grid_ = new CPropertyGridCtrl(this);
    grid_->setObjectName(QStringLiteral("propertyGrid"));
    grid_->setProperty("controlId", IDC_PROPERTY_GRID);
    grid_->setContextMenuPolicy(Qt::PreventContextMenu);
    // Until a backup file is opened the pane shows the backup file layout with empty values.
    ShowEmptyBackupFileInfo(*grid_);
    setWidget(grid_);
}

} // namespace tarvelo::app
