#include "platform/WindowMessages.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace tarvelo::platform {
namespace {

class Receiver : public QObject, public MessageTarget {
public:
    Receiver() : MessageTarget(this) {}
};

// Runs `work` on a thread of its own while this (the window's) thread handles what it sends.
void RunOnWorker(const std::function<void()>& work) {
    std::atomic<bool> done{false};
    std::thread worker([&] {
        work();
        done = true;
    });
    QElapsedTimer timer;
    timer.start();
    while (!done && timer.elapsed() < 30000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    worker.join();
}

TEST(WindowMessages, PrivateNumbersAreTheFirstUserMessagePlusOffsets) {
    EXPECT_EQ(WM_TREEITEM_CLICKED, 1174u);
    EXPECT_EQ(WM_SCAN_FILE_FOUND, 1175u);
    EXPECT_EQ(WM_TREEITEM_RCLICKED, 1176u);
    EXPECT_EQ(WM_SCAN_PROGRESS, 1177u);
    EXPECT_EQ(WM_LISTITEM_CLICKED, 1179u);
    EXPECT_EQ(WM_LISTITEM_RCLICKED, 1181u);
    EXPECT_EQ(WM_SCAN_BUSY, 1183u);
}

TEST(WindowMessages, SendOnTheWindowThreadCallsTheHandlerDirectly) {
    Receiver window;
    window.MapMessage(WM_SCAN_BUSY, [](WPARAM w, LPARAM l) { return static_cast<LRESULT>(w) * 10 + l; });
    EXPECT_EQ(SendMessage(&window, WM_SCAN_BUSY, 4, 2), 42);
    EXPECT_EQ(SendMessage(&window, WM_SCAN_PROGRESS, 1, 1), 0) << "no handler answers 0";
    EXPECT_EQ(SendMessage(nullptr, WM_SCAN_BUSY, 1, 1), 0);
}

// A worker's sends run on the window's thread, one at a time and in order, and each send waits for
// its handler: the worker sees every handler's result before it sends the next message.
TEST(WindowMessages, SendFromWorkerBlocksUntilTheHandlerRanOnTheWindowThread) {
    Receiver window;
    std::vector<int> seen;
    std::atomic<bool> wrongThread{false};
    QThread* const uiThread = QThread::currentThread();
    window.MapMessage(WM_SCAN_FILE_FOUND, [&](WPARAM, LPARAM l) {
        if (QThread::currentThread() != uiThread) {
            wrongThread = true;
        }
        seen.push_back(static_cast<int>(l));
        return static_cast<LRESULT>(seen.size());
    });
    std::vector<LRESULT> results;
    RunOnWorker([&] {
        for (int i = 0; i < 200; ++i) {
            results.push_back(SendMessage(&window, WM_SCAN_FILE_FOUND, 0, i));
        }
    });
    EXPECT_FALSE(wrongThread);
    ASSERT_EQ(seen.size(), 200u);
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(seen[static_cast<std::size_t>(i)], i);
        EXPECT_EQ(results[static_cast<std::size_t>(i)], i + 1);
    }
}

// A batch crosses threads once, yet each message goes through the map in order with its own result;
// messages without a handler answer 0 and do not stop the rest.
TEST(WindowMessages, BatchFromWorkerIsDispatchedInOrderWithOneResultEach) {
    Receiver window;
    std::vector<std::pair<unsigned, int>> seen;
    std::atomic<bool> wrongThread{false};
    QThread* const uiThread = QThread::currentThread();
    for (const unsigned message : {WM_SCAN_FILE_FOUND, WM_SCAN_PROGRESS}) {
        window.MapMessage(message, [&, message](WPARAM w, LPARAM) {
            wrongThread = wrongThread || QThread::currentThread() != uiThread;
            seen.emplace_back(message, static_cast<int>(w));
            return static_cast<LRESULT>(w) * 10;
        });
    }
    std::vector<QueuedMessage> batch;
    for (int i = 1; i <= 50; ++i) {
        const unsigned message = i % 7 == 0   ? WM_SCAN_BUSY
                                 : i % 3 == 0 ? WM_SCAN_PROGRESS
                                              : WM_SCAN_FILE_FOUND;
        batch.push_back({message, static_cast<WPARAM>(i), 0, -1});
    }
    RunOnWorker([&] { SendMessages(&window, batch); });
    EXPECT_FALSE(wrongThread);
    std::size_t handled = 0;
    for (const QueuedMessage& queued : batch) {
        if (queued.message == WM_SCAN_BUSY) {
            EXPECT_EQ(queued.result, 0) << "no handler";
            continue;
        }
        ASSERT_LT(handled, seen.size());
        EXPECT_EQ(seen[handled], std::make_pair(queued.message, static_cast<int>(queued.wParam)));
        EXPECT_EQ(queued.result, static_cast<LRESULT>(queued.wParam) * 10);
        ++handled;
    }
    EXPECT_EQ(handled, seen.size());

    SendMessages(nullptr, batch);
    EXPECT_EQ(batch.front().result, 0);
}

} // namespace
} // namespace tarvelo::platform
