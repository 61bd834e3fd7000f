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

void SendMessages(MessageTarget* window, std::span<QueuedMessage> messages) {
    if (window == nullptr || window->Object() == nullptr) {
        for (QueuedMessage& queued : messages) {
            queued.result = 0;
        }
        return;
    }
    const auto dispatchAll = [window, messages] {
        for (QueuedMessage& queued : messages) {
            queued.result = window->Dispatch(queued.message, queued.wParam, queued.lParam);
        }
    };
    QObject* object = window->Object();
    if (QThread::currentThread() == object->thread()) {
        dispatchAll();
        return;
    }
    QMetaObject::invokeMethod(object, dispatchAll, Qt::BlockingQueuedConnection);
}

} // namespace tarvelo::platform
