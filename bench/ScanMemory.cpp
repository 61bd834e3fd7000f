// bench_scan_memory: scans one backup file in this process and prints the process's peak resident
// memory, for the check that a scan's memory stays flat whatever the file's size.
// Usage: bench_scan_memory LABEL FILE
// Prints: RESULT memory LABEL bytes=.. files=.. peak_rss=.. (bytes)
#include "bench/CountingSink.h"
#include "bench/PeakMemory.h"
#include "reader/MtfReader.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_scan_memory LABEL FILE\n");
        return 2;
    }
    const std::filesystem::path path = argv[2];
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    tarvelo::ScanControl control;
    control.running = 1;
    tarvelo::bench::CountingSink sink;
    tarvelo::MtfReader reader(control, sink);
    if (error || reader.Scan(path) != tarvelo::ScanResult::Completed) {
        std::fprintf(stderr, "the scan of %s did not complete\n", argv[2]);
        return 1;
    }
    const auto peak = tarvelo::bench::PeakResidentBytes();
    if (!peak) {
        std::fprintf(stderr, "this system does not report the peak resident memory\n");
        return 1;
    }
    std::printf("RESULT memory %s bytes=%llu files=%llu peak_rss=%llu\n", argv[1],
                static_cast<unsigned long long>(size), static_cast<unsigned long long>(sink.files),
                static_cast<unsigned long long>(*peak));
    return 0;
}
