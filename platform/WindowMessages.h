// Private window messages and the message map of our window classes. A worker reaches a window only
// through SendMessage, which runs the handler on the window's (user-interface) thread and waits for it.
#pragma once

#include <QHash>
#include <QObject>

#include <cstdint>
#include <functional>
#include <span>

namespace tarvelo::platform {

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// The platform's first user message number; private messages are this plus 150 to 159.
inline constexpr unsigned WM_USER = 0x0400;
inline constexpr unsigned WM_TREEITEM_CLICKED = WM_USER + 150;  // 1174
inline constexpr unsigned WM_SCAN_FILE_FOUND = WM_USER + 151;   // 1175
inline constexpr unsigned WM_TREEITEM_RCLICKED = WM_USER + 152; // 1176
inline constexpr unsigned WM_SCAN_PROGRESS = WM_USER + 153;     // 1177
inline constexpr unsigned WM_LISTITEM_CLICKED = WM_USER + 155;  // 1179
inline constexpr unsigned WM_LISTITEM_RCLICKED = WM_USER + 157; // 1181
inline constexpr unsigned WM_SCAN_BUSY = WM_USER + 159;         // 1183

// A window that handles private messages through a message map. Mixed into a QObject-derived window
// class, which passes itself so that sends know the thread the window lives on.
class MessageTarget {
public:
    using Handler = std::function<LRESULT(WPARAM, LPARAM)>;

    explicit MessageTarget(QObject* self) : self_(self) {}
    MessageTarget(const MessageTarget&) = delete;
    MessageTarget& operator=(const MessageTarget&) = delete;
    virtual ~MessageTarget() = default;

    // Adds or replaces the handler of one message.
    void MapMessage(unsigned message, Handler handler);
    [[nodiscard]] bool HandlesMessage(unsigned message) const { return map_.contains(message); }

    // Runs the handler on the calling thread; 0 for a message without a handler.
    LRESULT Dispatch(unsigned message, WPARAM wParam, LPARAM lParam);

    [[nodiscard]] QObject* Object() const { return self_; }

private:
    QObject* self_;
    QHash<unsigned, Handler> map_;
};

// Synchronous send: on the window's own thread a direct call; from any other thread a blocking queued
// call, so the sender waits until the handler has finished and gets its result. A null window gives 0.
// The window's thread must be running its event loop (or be the caller) for a cross-thread send to end.
LRESULT SendMessage(MessageTarget* window, unsigned message, WPARAM wParam, LPARAM lParam);

// One message of a batch, with the result its handler gave (0 when not handled).
struct QueuedMessage {
    unsigned message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
};

// Synchronous send of several messages with a single hand-off between threads: the window's thread
// dispatches them in order, each through the message map exactly as SendMessage would, while the
// sender waits. A null window handles none of them (every result 0).
void SendMessages(MessageTarget* window, std::span<QueuedMessage> messages);

} // namespace tarvelo::platform
