// Extraction outputs of the command-line tool: standard output, and a counter in front of any output
// that keeps the progress bar moving during a long file.
#pragma once

#include "reader/ExtractionOutput.h"

#include <cstdint>
#include <functional>
#include <ostream>

namespace tarvelo::cli {

class StreamExtractionOutput final : public ExtractionOutput {
public:
    explicit StreamExtractionOutput(std::ostream& out) : out_(out) {}
    bool Write(std::span<const std::uint8_t> bytes) override;

private:
    std::ostream& out_;
};

class CountingOutput final : public ExtractionOutput {
public:
    CountingOutput(ExtractionOutput& inner, std::function<void(std::uint64_t written)> onWrite)
        : inner_(inner), onWrite_(std::move(onWrite)) {}
    bool Write(std::span<const std::uint8_t> bytes) override;
    [[nodiscard]] std::uint64_t Written() const { return written_; }

private:
    ExtractionOutput& inner_;
    std::function<void(std::uint64_t)> onWrite_;
    std::uint64_t written_ = 0;
};

} // namespace tarvelo::cli
