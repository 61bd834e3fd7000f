// bench_make_files: writes the input files of the benchmarks.
//   bench_make_files realistic SIZE OUT   a realistic generated backup of at least SIZE bytes
//   bench_make_files random SIZE OUT      SIZE seeded random bytes (the scan's worst case)
//   bench_make_files zeros SIZE OUT       SIZE zero bytes, written out (not a sparse hole)
// SIZE is in MiB. Prints: RESULT file KIND bytes=.. entries=..
#include "bench/RealisticBackup.h"
#include "tools/bkfgen/Output.h"
#include "tools/bkfgen/SplitMix.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;

bool WriteBlocks(const std::string& path, std::uint64_t size, bool random) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    tarvelo::bkfgen::SplitMix generator(7);
    std::vector<char> block(kMiB);
    for (std::uint64_t done = 0; done < size && out; done += kMiB) {
        if (random) {
            for (std::size_t at = 0; at < block.size(); at += 8) {
                std::uint64_t word = generator.Next();
                for (std::size_t byte = 0; byte < 8; ++byte, word >>= 8) {
                    block[at + byte] = static_cast<char>(word & 0xFF);
                }
            }
        }
        out.write(block.data(), static_cast<std::streamsize>(std::min<std::uint64_t>(kMiB, size - done)));
    }
    out.close();
    return !out.fail();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_make_files realistic|random|zeros SIZE_MIB OUT\n");
        return 2;
    }
    const std::string kind = argv[1];
    const std::uint64_t size = std::stoull(argv[2]) * kMiB;
    const std::string path = argv[3];
    try {
        if (kind == "realistic") {
            tarvelo::bkfgen::FileOutput output(path);
            const auto layout = tarvelo::bench::WriteRealisticBackup({size, 20}, output);
            std::printf("RESULT file realistic bytes=%llu entries=%zu\n",
                        static_cast<unsigned long long>(layout.size), layout.entries.size());
            return 0;
        }
        if (kind == "random" || kind == "zeros") {
            if (!WriteBlocks(path, size, kind == "random")) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
            std::printf("RESULT file %s bytes=%llu entries=0\n", kind.c_str(),
                        static_cast<unsigned long long>(size));
            return 0;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), error.what());
        return 1;
    }
    std::fprintf(stderr, "unknown kind %s\n", kind.c_str());
    return 2;
}
