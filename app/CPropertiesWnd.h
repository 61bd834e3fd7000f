// Right pane "Selected File Properties": the property grid, filled when a file is chosen.
#pragma once

#include "app/DockPane.h"

namespace tarvelo {
class CPropertyGridCtrl;
}

namespace tarvelo::app {

class CPropertiesWnd : public DockPane {
    Q_OBJECT
public:
    explicit CPropertiesWnd(QWidget* parent);
    [[nodiscard]] CPropertyGridCtrl* Grid() const { return grid_; }

private:
    CPropertyGridCtrl* grid_;
};

} // namespace tarvelo::app
