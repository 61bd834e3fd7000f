#include "platform/MessagePump.h"

#include <QCoreApplication>

namespace tarvelo::platform {

void PumpMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace tarvelo::platform
