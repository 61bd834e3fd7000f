// A docking pane that can only be resized: never closed, floated or hidden automatically.
#pragma once

#include <QDockWidget>

namespace tarvelo::app {

class DockPane : public QDockWidget {
    Q_OBJECT
public:
    DockPane(const QString& caption, int id, QSize initialSize, QWidget* parent);
    [[nodiscard]] int PaneId() const { return id_; }
    [[nodiscard]] QSize sizeHint() const override { return initialSize_; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int id_;
    QSize initialSize_;
};

} // namespace tarvelo::app
