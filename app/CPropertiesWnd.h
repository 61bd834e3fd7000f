// Right pane "Selected File Properties": the property grid, filled when a file is chosen.
#pragma once

#include "app/DockPane.h"

class QTreeWidget;

namespace tarvelo::app {

class CPropertiesWnd : public DockPane {
    Q_OBJECT
public:
    explicit CPropertiesWnd(QWidget* parent);
    [[nodiscard]] QTreeWidget* Grid() const { return grid_; }

private:
    QTreeWidget* grid_;
};

} // namespace tarvelo::app
