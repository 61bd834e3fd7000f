#include "tests/reader/ScanComparison.h"

#include "reader/MtfReader.h"
#include "reader/TextEncoding.h"
#include "tests/reader/RecordingSink.h"
#include "tests/reader/ReferenceScan.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>

namespace tarvelo::test {
namespace {

// Memory that does not offer itself as one block, so the reader goes through its buffer.
class PiecewiseSource final : public ByteSource {
public:
    explicit PiecewiseSource(const std::vector<std::uint8_t>& bytes) : inner_(std::span(bytes)) {}
    [[nodiscard]] std::uint64_t Size() const override { return inner_.Size(); }
    ReadResult ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
        return inner_.ReadAt(offset, out);
    }

private:
    MemoryByteSource inner_;
};

std::filesystem::path ScratchFile() {
    // ctest runs tests in parallel processes: a random tag keeps their files apart.
    static const unsigned long long processTag = std::random_device{}();
    static std::atomic<int> counter{0};
    return std::filesystem::path(TARVELO_BINARY_DIR) / ("scan-comparison-" + std::to_string(processTag) +
                                                        "-" + std::to_string(counter.fetch_add(1)) + ".bkf");
}

std::string Describe(const ScanEvent& event) {
    std::ostringstream out;
    if (const auto* file = std::get_if<FileRecord>(&event)) {
        out << "file '" << Utf16ToUtf8(file->Path()) << "' at " << file->EntryOffset() << " size "
            << file->DataSize();
    } else {
        const auto& progress = std::get<ProgressRecord>(event);
        out << "progress " << progress.position << "/" << progress.length;
    }
    return out.str();
}

} // namespace

std::string CompareScans(const std::vector<std::uint8_t>& bytes, const ComparisonOptions& options) {
    const std::filesystem::path path = ScratchFile();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    ScanControl referenceControl;
    referenceControl.running = 1;
    RecordingSink expected(&referenceControl, options.stopAfter);
    ReferenceScan(path, referenceControl, expected);

    ScanControl control;
    control.running = 1;
    RecordingSink actual(&control, options.stopAfter);
    {
        MtfReader reader(control, actual);
        switch (options.source) {
        case SourceKind::Memory:
            reader.Scan(std::make_unique<MemoryByteSource>(std::span(bytes)));
            break;
        case SourceKind::File:
            reader.Scan(path);
            break;
        case SourceKind::SmallBuffers:
            reader.SetReadBufferSize(options.bufferSize);
            reader.Scan(std::make_unique<PiecewiseSource>(bytes));
            break;
        }
    }
    std::filesystem::remove(path);

    std::ostringstream difference;
    const std::size_t common = std::min(expected.events.size(), actual.events.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (!(expected.events[i] == actual.events[i])) {
            difference << "record " << i << ": expected " << Describe(expected.events[i]) << ", got "
                       << Describe(actual.events[i]);
            return difference.str();
        }
    }
    if (expected.events.size() != actual.events.size()) {
        difference << expected.events.size() << " records expected, " << actual.events.size() << " sent";
        if (common < expected.events.size()) {
            difference << "; first missing: " << Describe(expected.events[common]);
        } else {
            difference << "; first extra: " << Describe(actual.events[common]);
        }
        return difference.str();
    }
    if (referenceControl.running.load() != control.running.load()) {
        return "running flag differs after the scan";
    }
    return {};
}

} // namespace tarvelo::test
