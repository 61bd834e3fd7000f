// bench_scan: scan throughput against two baselines measured in the same run, on page-cached files:
//   PlainRead/<label>      a plain sequential read of the file in 1 MiB blocks (the physical limit)
//   Scan/<label>           MtfReader's scan
//   ReferenceScan/<label>  the literal 1024-byte-window scan of the reader's differential tests
// Usage: bench_scan [benchmark flags] [--no-reference] LABEL=FILE...
// After the usual benchmark table it prints one line per file:
//   RESULT scan LABEL bytes=.. files=.. plain_s=.. plain_cpu_s=.. scan_s=.. scan_cpu_s=..
//          reference_s=.. reference_cpu_s=.. scan_vs_plain=.. scan_vs_plain_cpu=.. scan_vs_reference=..
//          scan_vs_reference_cpu=..
// with the best repetition of each, by wall-clock time and by the process's CPU time (ratios are
// throughputs: above 1 means the scan is faster).
#include "bench/BestTimeReporter.h"
#include "bench/CountingSink.h"
#include "bench/SequentialRead.h"
#include "reader/MtfReader.h"
#include "tests/reader/ReferenceScan.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using tarvelo::bench::CountingSink;

struct BenchFile {
    std::string label;
    std::filesystem::path path;
    std::uint64_t size = 0;
    std::uint64_t files = 0; // what the scan reported
};

void PlainRead(benchmark::State& state, const BenchFile* file) {
    for (auto _ : state) {
        const auto result = tarvelo::bench::ReadSequentially(file->path);
        if (!result || result->bytes != file->size) {
            state.SkipWithError("the file could not be read whole");
            return;
        }
        benchmark::DoNotOptimize(result->checksum);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file->size));
}

void Scan(benchmark::State& state, BenchFile* file) {
    for (auto _ : state) {
        tarvelo::ScanControl control;
        control.running = 1;
        CountingSink sink;
        tarvelo::MtfReader reader(control, sink);
        if (reader.Scan(file->path) != tarvelo::ScanResult::Completed) {
            state.SkipWithError("the scan did not complete");
            return;
        }
        file->files = sink.files;
        benchmark::DoNotOptimize(sink.lastEntryOffset);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file->size));
    state.counters["files"] = static_cast<double>(file->files);
}

void ReferenceScan(benchmark::State& state, const BenchFile* file) {
    for (auto _ : state) {
        tarvelo::ScanControl control;
        control.running = 1;
        CountingSink sink;
        if (tarvelo::test::ReferenceScan(file->path, control, sink) !=
            tarvelo::test::ReferenceEnd::Completed) {
            state.SkipWithError("the reference scan did not complete");
            return;
        }
        if (sink.files != file->files) {
            state.SkipWithError("the reference scan found another number of files");
            return;
        }
        benchmark::DoNotOptimize(sink.lastEntryOffset);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file->size));
}

void Configure(benchmark::internal::Benchmark* benchmark) {
    // One pass is long enough to time (hundreds of MiB); repetitions come from the command line.
    benchmark->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
}

using Best = tarvelo::bench::BestTimeReporter::Best;

void Print(const char* name, const Best& best) {
    std::printf(" %s_s=%.4f %s_cpu_s=%.4f", name, best.wallSeconds, name, best.cpuSeconds);
}

// Throughput ratios: above 1 means the scan is faster than the baseline.
void PrintRatio(const char* name, const Best& baseline, const Best& scan) {
    const auto ratio = [](double base, double seconds) { return seconds > 0 ? base / seconds : 0; };
    std::printf(" %s=%.3f %s_cpu=%.3f", name, ratio(baseline.wallSeconds, scan.wallSeconds), name,
                ratio(baseline.cpuSeconds, scan.cpuSeconds));
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bool withReference = true;
    std::vector<BenchFile> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto equals = arg.find('=');
        if (arg == "--no-reference") {
            withReference = false;
        } else if (equals == std::string::npos || equals == 0) {
            std::fprintf(stderr, "usage: bench_scan [benchmark flags] [--no-reference] LABEL=FILE...\n");
            return 2;
        } else {
            files.push_back({arg.substr(0, equals), arg.substr(equals + 1)});
        }
    }
    for (BenchFile& file : files) {
        // Reading the file once brings it into the page cache before anything is timed.
        const auto warm = tarvelo::bench::ReadSequentially(file.path);
        if (!warm) {
            std::fprintf(stderr, "cannot read %s\n", file.path.string().c_str());
            return 1;
        }
        file.size = warm->bytes;
    }
    // Registered file by file so that each file's three measurements run back to back.
    for (BenchFile& file : files) {
        Configure(benchmark::RegisterBenchmark(("PlainRead/" + file.label).c_str(), PlainRead, &file));
        Configure(benchmark::RegisterBenchmark(("Scan/" + file.label).c_str(), Scan, &file));
        if (withReference) {
            Configure(
                benchmark::RegisterBenchmark(("ReferenceScan/" + file.label).c_str(), ReferenceScan, &file));
        }
    }
    tarvelo::bench::BestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    for (const BenchFile& file : files) {
        const auto plain = reporter.BestTimes("PlainRead/" + file.label);
        const auto scan = reporter.BestTimes("Scan/" + file.label);
        const auto reference = reporter.BestTimes("ReferenceScan/" + file.label);
        if (!plain || !scan) {
            std::printf("RESULT scan %s failed\n", file.label.c_str());
            continue;
        }
        std::printf("RESULT scan %s bytes=%llu files=%llu", file.label.c_str(),
                    static_cast<unsigned long long>(file.size), static_cast<unsigned long long>(file.files));
        Print("plain", *plain);
        Print("scan", *scan);
        if (reference) {
            Print("reference", *reference);
        }
        PrintRatio("scan_vs_plain", *plain, *scan);
        if (reference) {
            PrintRatio("scan_vs_reference", *reference, *scan);
        }
        std::printf("\n");
    }
    return 0;
}
