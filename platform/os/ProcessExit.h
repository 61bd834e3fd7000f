// Ending the own process at once, without the normal shutdown (no static destructors, no framework exit).
#pragma once

#include <cstdint>

namespace tarvelo::os {

// Replaces process termination in tests; receives the exit code and returns.
using ExitHook = void (*)(std::uint32_t code);

// Terminates the process with the code (on POSIX the exit status is its low 8 bits, so 0xFFFFFFFF
// shows as 255). With a hook installed the hook is called instead and this function returns.
void EndProcess(std::uint32_t code);

// Installs a hook (nullptr restores termination) and returns the previous one.
ExitHook SetExitHook(ExitHook hook);

} // namespace tarvelo::os
