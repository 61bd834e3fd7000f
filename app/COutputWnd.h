// Bottom pane "Exchange Backup file Status": tabs at the bottom with the log list and the file viewer.
#pragma once

#include "app/DockPane.h"

class QLabel;
class QTabWidget;
class QTreeWidget;

namespace tarvelo::app {

class COutputWnd : public DockPane {
    Q_OBJECT
public:
    static constexpr int kLogTab = 0;
    static constexpr int kViewerTab = 1;

    explicit COutputWnd(QWidget* parent);
    [[nodiscard]] QTabWidget* Tabs() const { return tabs_; }
    [[nodiscard]] QTreeWidget* LogList() const { return log_; }
    [[nodiscard]] QLabel* Viewer() const { return viewer_; }
    void ShowTab(int index);

private:
    QTabWidget* tabs_;
    QTreeWidget* log_;
    QLabel* viewer_;
};

} // namespace tarvelo::app
