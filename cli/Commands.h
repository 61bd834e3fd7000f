// The subcommands. Each returns the exit status and reports errors on the console's error stream,
// naming the file and the reason.
#pragma once

#include "cli/Console.h"
#include "cli/Options.h"
#include "reader/ScanRecords.h"

#include <string_view>

namespace tarvelo::cli {

int RunScan(const ScanOptions& options, Console& console, ScanControl& control);
int RunList(const ListOptions& options, Console& console, ScanControl& control);
int RunSearch(const SearchOptions& options, Console& console, ScanControl& control);
int RunExtract(const ExtractOptions& options, Console& console, ScanControl& control);
int RunCat(const CatOptions& options, Console& console, ScanControl& control);
int RunHeader(const HeaderOptions& options, Console& console);

// "tarvelo: <message>" on standard error; returns kExitFailure.
int Fail(Console& console, std::string_view message);

} // namespace tarvelo::cli
