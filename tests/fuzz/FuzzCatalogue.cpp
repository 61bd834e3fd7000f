// The catalogue walk over arbitrary bytes: the first bytes are the block window at the "TFDD" tag,
// entries are read from the same bytes. It must end and never read outside them.
#include "reader/CatalogueWalk.h"

#include <algorithm>
#include <cstdlib>

namespace {

class BufferEntries final : public tarvelo::CatalogueEntrySource {
public:
    explicit BufferEntries(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::span<const std::uint8_t> EntryBytes(std::uint64_t offsetFromTag, std::size_t count) override {
        if (offsetFromTag >= bytes_.size()) {
            return {};
        }
        const auto start = static_cast<std::size_t>(offsetFromTag);
        return bytes_.subspan(start, std::min(count, bytes_.size() - start));
    }

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarvelo::BlockWindow window{};
    std::copy_n(data, std::min(size, window.size()), window.begin());
    BufferEntries entries(std::span(data, size));
    const tarvelo::CatalogueLength result = tarvelo::WalkCatalogue(window, entries);
    // A successful walk ends at an entry that was read in full.
    if (!result.failed && result.length != 0 && result.length >= size) {
        std::abort();
    }
    return 0;
}
