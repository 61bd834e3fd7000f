#include "platform/WindowMessages.h"

#include <QMetaObject>
#include <QThread>

namespace tarvelo::platform {

void MessageTarget::MapMessage(unsigned message, Handler handler) {
    map_.insert(message, std::move(handler));
}

LRESULT MessageTarget::Dispatch(unsigned message, WPARAM wParam, LPARAM lParam) {
    const auto it = map_.constFind(message);
    if (it == map_.constEnd() || !*it) {
        return 0;
    }
    return (*it)(wParam, lParam);
}

LRESULT SendMessage(MessageTarget* window, unsigned message, WPARAM wParam, LPARAM lParam) {
    if (window == nullptr || window->Object() == nullptr) {
        return 0;
    }
    QObject* object = window->Object();
    if (QThread::currentThread() == object->thread()) {
        return window->Dispatch(message, wParam, lParam);
    }
    LRESULT result = 0;
    QMetaObject::invokeMethod(
        object, [window, message, wParam, lParam] { return window->Dispatch(message, wParam, lParam); },
        Qt::BlockingQueuedConnection, &result);
    return result;
}

} // namespace tarvelo::platform
