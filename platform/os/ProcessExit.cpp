#include "platform/os/ProcessExit.h"

#include <atomic>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace tarvelo::os {

namespace {
std::atomic<ExitHook> g_hook{nullptr};
} // namespace

void EndProcess(std::uint32_t code) {
    if (const ExitHook hook = g_hook.load()) {
        hook(code);
        return;
    }
#ifdef _WIN32
    TerminateProcess(GetCurrentProcess(), code);
#else
    _exit(static_cast<int>(code & 0xFFu));
#endif
}

ExitHook SetExitHook(ExitHook hook) {
    return g_hook.exchange(hook);
}

} // namespace tarvelo::os
