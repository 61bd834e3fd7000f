// Extraction of the entry at an offset taken from the input, over the input itself: it must end
// quickly whatever the lengths say and never write more than the backup holds after the name.
#include "reader/MtfReader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const std::uint64_t entryOffset = (std::uint64_t{data[0]} | std::uint64_t{data[1]} << 8u) % size;
    const auto limit = (data[2] & 1) != 0 ? tarvelo::PreviewLimit::Preview : tarvelo::PreviewLimit::WholeFile;
    tarvelo::ScanControl control;
    control.running = 1;
    control.extracting = 1;
    tarvelo::MtfReader reader(control);
    reader.OpenBackup(std::make_unique<tarvelo::MemoryByteSource>(std::span(data, size)));
    tarvelo::MemoryExtractionOutput output(false);
    const tarvelo::ExtractOutcome outcome = reader.HandleFileEntry(entryOffset, output, limit);
    if (outcome.bytesWritten != output.Written() || outcome.bytesWritten > size - entryOffset) {
        std::abort();
    }
    return 0;
}
