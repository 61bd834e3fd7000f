// The program's arguments as UTF-8 text on every system.
#pragma once

#include <string>
#include <vector>

namespace tarvelo::os {

// On Windows main()'s argv is in the ANSI code page, which cannot hold every file name, so the wide
// command line is split again by the system's rules and converted; elsewhere argv is taken as is.
// The first element is the program's name.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

} // namespace tarvelo::os
