// The `tarvelo` program: parses the command line and runs one subcommand.
#pragma once

#include "cli/Console.h"

#include <string>
#include <vector>

namespace tarvelo::cli {

inline constexpr const char* kVersionText = "tarvelo 20.0";

// args[0] is the program's name; every argument is UTF-8. Returns the exit status.
int RunTarvelo(const std::vector<std::string>& args, Console& console);

} // namespace tarvelo::cli
