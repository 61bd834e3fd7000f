// Where a command writes: standard output (tables, JSON Lines, file data), standard error (progress,
// summary, errors), and whether standard error is a terminal. Tests pass string streams.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>

namespace tarvelo::cli {

struct Console {
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;
    // Called after each file is listed or extracted (tests use it to press Ctrl-C at a known point).
    std::function<void(std::uint64_t filesSoFar)> afterEachFile;
};

// Exit status of the program.
enum ExitCode : int {
    kExitSuccess = 0,
    kExitFailure = 1,       // the work failed: unreadable backup, invalid snapshot, write error
    kExitUsage = 2,         // wrong command line
    kExitInterrupted = 130, // Ctrl-C
};

} // namespace tarvelo::cli
