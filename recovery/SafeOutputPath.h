// Turning names from a backup (hostile input) into output paths that stay below a folder the user
// chose, and creating the output file there without overwriting anything or following a planted link.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo {

// Which file system's naming rules apply. Windows adds reserved characters, device names and the
// silent removal of trailing dots and blanks to the rules every system has.
enum class NameRules { Posix, Windows };

#ifdef _WIN32
inline constexpr NameRules kHostNameRules = NameRules::Windows;
#else
inline constexpr NameRules kHostNameRules = NameRules::Posix;
#endif

// How a display path maps to folders below the target: its folder hierarchy, or the file name alone.
enum class OutputLayout { Hierarchy, Flat };

// Longest name component written, in UTF-8 bytes (the common file-system limit).
inline constexpr std::size_t kMaxComponentBytes = 255;

// One component made safe: never empty, never "." or "..", no separator, NUL, control character,
// unpaired surrogate (each becomes U+FFFD) or, with Windows rules, reserved character or device name;
// at most kMaxComponentBytes long in UTF-8 (shortened before its extension).
std::u16string SafeComponent(std::u16string_view name, NameRules rules = kHostNameRules);

// The components of a display path (backslash-separated) made safe: empty folder components are
// dropped, and an empty file name (a path ending in a backslash, or an empty path) becomes "_".
// With OutputLayout::Flat only the file name is kept.
std::vector<std::u16string> SafeComponents(std::u16string_view displayPath, OutputLayout layout,
                                           NameRules rules = kHostNameRules);

// SafeComponents joined into a relative path (never absolute, never climbing).
std::filesystem::path SafeRelativePath(std::u16string_view displayPath, OutputLayout layout,
                                       NameRules rules = kHostNameRules);

// The n-th alternative of a taken name: "report.txt" gives "report (2).txt" for n = 2; still within
// kMaxComponentBytes. n = 1 gives the name itself.
std::u16string NumberedName(std::u16string_view safeName, unsigned n);

struct OutputFile {
    bool ok = false;
    std::filesystem::path path; // the file created (empty), when ok
    std::string error;          // names the file and the reason, when not ok
};

// Creates the folders of the display path below `root` (which must exist) and a new empty file for
// it. A name that is taken gets a numbered alternative (" (2)", " (3)", ...); with `overwrite` an
// existing regular file is truncated instead. A link or a file where a folder is needed is never
// followed: the folder gets a numbered alternative too.
OutputFile CreateOutputFile(const std::filesystem::path& root, std::u16string_view displayPath,
                            OutputLayout layout, bool overwrite = false);

} // namespace tarvelo
