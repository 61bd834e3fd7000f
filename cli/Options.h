// What the command line asked for, one structure per subcommand.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarvelo::cli {

struct OutputOptions {
    bool json = false;
    bool quiet = false; // no progress bar
};

struct ScanOptions : OutputOptions {
    std::string backup;
    std::string snapshot; // empty: none written
};

struct ListOptions : OutputOptions {
    std::string snapshot;
};

struct SearchOptions : OutputOptions {
    std::string source;
    std::string pattern;
};

struct ExtractOptions : OutputOptions {
    std::string source;
    std::string directory;
    std::optional<std::string> pattern;
    std::string backup; // overrides the backup path stored in a snapshot
    bool flat = false;
    bool preview = false;
};

struct CatOptions {
    std::string backup;
    std::uint64_t offset = 0;
    bool preview = false;
};

struct HeaderOptions {
    std::string file;
    bool json = false;
};

} // namespace tarvelo::cli
