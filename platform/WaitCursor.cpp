#include "platform/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace tarvelo::platform {

WaitCursor::WaitCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace tarvelo::platform
