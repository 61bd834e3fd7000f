// bench_extract: writes the whole data of one file entry out of a backup, as the "Save files" flow
// does, so that a script can time it against copying a file of the same size with cp.
// Usage: bench_extract BACKUP ENTRY_OFFSET OUTPUT
// Prints: RESULT extract bytes=.. seconds=..
#include "reader/MtfReader.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_extract BACKUP ENTRY_OFFSET OUTPUT\n");
        return 2;
    }
    const std::uint64_t offset = std::stoull(argv[2], nullptr, 0);
    tarvelo::ScanControl control;
    control.running = 1;
    control.extracting = 1;
    tarvelo::MtfReader reader(control);
    const auto start = std::chrono::steady_clock::now();
    if (reader.OpenBackup(std::filesystem::path(argv[1])) != tarvelo::OpenResult::Opened) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    const tarvelo::ExtractOutcome outcome =
        reader.HandleFileEntry(offset, std::filesystem::path(argv[3]), tarvelo::PreviewLimit::WholeFile);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (outcome.result != tarvelo::ExtractResult::Written) {
        std::fprintf(stderr, "the extraction failed\n");
        return 1;
    }
    std::printf("RESULT extract bytes=%llu seconds=%.4f\n",
                static_cast<unsigned long long>(outcome.bytesWritten), elapsed.count());
    return 0;
}
