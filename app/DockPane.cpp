#include "app/DockPane.h"

#include <QContextMenuEvent>

namespace tarvelo::app {

DockPane::DockPane(const QString& caption, int id, QSize initialSize, QWidget* parent)
    : QDockWidget(caption, parent), id_(id), initialSize_(initialSize) {
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setProperty("paneId", id);
}

void DockPane::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

} // namespace tarvelo::app
