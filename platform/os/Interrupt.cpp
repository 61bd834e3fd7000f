#include "platform/os/Interrupt.h"

#include <atomic>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#endif

namespace tarvelo::os {

namespace {

// Lock-free atomics only: they are touched from a signal handler.
std::atomic<ScanControl*> g_control{nullptr};
std::atomic<int> g_interrupted{0};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<ScanControl*>::is_always_lock_free);

#ifdef _WIN32
BOOL WINAPI OnConsoleControl(DWORD event) {
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT || event == CTRL_CLOSE_EVENT) {
        RequestInterrupt();
        return TRUE;
    }
    return FALSE;
}
#else
extern "C" void OnSignal(int) {
    RequestInterrupt();
}
#endif

} // namespace

void InstallInterruptHandler(ScanControl& control) {
    g_control.store(&control);
#ifdef _WIN32
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
#else
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
#endif
}

void ReleaseInterruptHandler() {
    g_control.store(nullptr);
}

void RequestInterrupt() {
    g_interrupted.store(1);
    if (ScanControl* control = g_control.load()) {
        control->running.store(0);
        control->extracting.store(0);
    }
}

bool Interrupted() {
    return g_interrupted.load() != 0;
}

void ClearInterrupt() {
    g_interrupted.store(0);
}

} // namespace tarvelo::os
