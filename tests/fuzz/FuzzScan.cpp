// The scan over arbitrary bytes held in memory: it must end, never read out of bounds, and every
// record it sends must be well formed.
#include "reader/MtfReader.h"

#include <cstdlib>

namespace {

class CheckingSink final : public tarvelo::ScanSink {
public:
    explicit CheckingSink(std::uint64_t size) : size_(size) {}
    void FileFound(std::unique_ptr<tarvelo::FileRecord> record) override {
        const auto& raw = record->Raw();
        // The path ends with a nul inside its field, and everything after it is zero.
        const std::size_t units = record->Path().size();
        if (units > 1023 || record->EntryOffset() + 4 > size_ || record->Reserved() != 0) {
            std::abort();
        }
        for (std::size_t i = 2 * units; i < raw.size(); ++i) {
            if ((i < 2048 || i >= 2064) && raw[i] != 0) {
                std::abort();
            }
        }
    }
    void Progress(std::unique_ptr<tarvelo::ProgressRecord> record) override {
        if (record->length != size_ || record->position > size_ + 1020) {
            std::abort();
        }
    }

private:
    std::uint64_t size_;
};

// Memory that does not offer itself as one block, so the scan goes through its read buffer.
class PiecewiseSource final : public tarvelo::ByteSource {
public:
    explicit PiecewiseSource(std::span<const std::uint8_t> bytes) : inner_(bytes) {}
    [[nodiscard]] std::uint64_t Size() const override { return inner_.Size(); }
    tarvelo::ReadResult ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
        return inner_.ReadAt(offset, out);
    }

private:
    tarvelo::MemoryByteSource inner_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    tarvelo::ScanControl control;
    control.running = 1;
    CheckingSink sink(size);
    tarvelo::MtfReader reader(control, sink);
    // The low bit of the last byte picks the buffered path with a small buffer whose edges move.
    if (size > 0 && (data[size - 1] & 1) != 0) {
        reader.SetReadBufferSize(2048 + data[size - 1] * 8u);
        reader.Scan(std::make_unique<PiecewiseSource>(bytes));
    } else {
        reader.Scan(std::make_unique<tarvelo::MemoryByteSource>(bytes));
    }
    return 0;
}
