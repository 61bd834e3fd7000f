// The readable (non-JSON) output: sizes in readable units, an aligned file table, the summary line.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvelo::cli {

// "0 B", "1023 B", "1.0 KiB", "5.0 MiB", "1.2 GiB" ... (binary units, one decimal above bytes).
std::string FormatSize(std::uint64_t bytes);

// A name fit for a terminal: UTF-8, with control characters (which could drive the terminal) and
// unpaired surrogates shown as U+FFFD.
std::string TerminalText(std::u16string_view text);

// The table: a heading line, then one line per file with the record number and size right-aligned.
std::string FileTableHeading();
std::string FileTableRow(std::uint64_t record, std::uint64_t size, std::u16string_view path);

// "12 files found, 3.4 MiB scanned in 0.52 s (6.5 MiB/s)".
std::string ScanSummary(std::uint64_t files, std::uint64_t bytes, std::chrono::duration<double> elapsed);

// "3 files extracted, 4.0 MiB written in 0.20 s (20.0 MiB/s)".
std::string ExtractSummary(std::uint64_t files, std::uint64_t bytes, std::chrono::duration<double> elapsed);

} // namespace tarvelo::cli
