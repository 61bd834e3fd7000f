// Left pane "Exchange Backup file": the content tree of the scanned backup file.
#pragma once

#include "app/DockPane.h"

namespace tarvelo {
class CCheckTreeCtrl;
}

namespace tarvelo::app {

class CFileView : public DockPane {
    Q_OBJECT
public:
    explicit CFileView(QWidget* parent);
    [[nodiscard]] CCheckTreeCtrl* Tree() const { return tree_; }

private:
    CCheckTreeCtrl* tree_;
};

} // namespace tarvelo::app
