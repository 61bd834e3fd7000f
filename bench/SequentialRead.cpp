#include "bench/SequentialRead.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace tarvelo::bench {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

std::optional<SequentialReadResult> ReadSequentially(const std::filesystem::path& path,
                                                     std::size_t blockSize) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.string().c_str(), "rb"));
    if (!file) {
        return std::nullopt;
    }
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    std::vector<std::uint8_t> block(blockSize);
    SequentialReadResult result;
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file.get());
        if (got == 0) {
            break;
        }
        result.bytes += got;
        // One word per 4 KiB page: touches every page the read filled without costing a pass over it.
        for (std::size_t at = 0; at + sizeof(std::uint64_t) <= got; at += 4096) {
            std::uint64_t word = 0;
            std::memcpy(&word, block.data() + at, sizeof word);
            result.checksum += word;
        }
    }
    if (std::ferror(file.get()) != 0) {
        return std::nullopt;
    }
    return result;
}

} // namespace tarvelo::bench
