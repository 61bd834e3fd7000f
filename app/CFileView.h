// Left pane "Exchange Backup file": the content tree of the scanned backup file.
#pragma once

#include "app/DockPane.h"

class QTreeWidget;

namespace tarvelo::app {

class CFileView : public DockPane {
    Q_OBJECT
public:
    explicit CFileView(QWidget* parent);
    [[nodiscard]] QTreeWidget* Tree() const { return tree_; }

private:
    QTreeWidget* tree_;
};

} // namespace tarvelo::app
