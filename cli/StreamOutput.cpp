#include "cli/StreamOutput.h"

namespace tarvelo::cli {

bool StreamExtractionOutput::Write(std::span<const std::uint8_t> bytes) {
    out_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return out_.good();
}

bool CountingOutput::Write(std::span<const std::uint8_t> bytes) {
    const bool ok = inner_.Write(bytes);
    written_ += bytes.size();
    if (onWrite_) {
        onWrite_(written_);
    }
    return ok;
}

} // namespace tarvelo::cli
