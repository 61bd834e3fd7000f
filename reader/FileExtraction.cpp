// MtfReader::HandleFileEntry: writing one file entry's data out of the backup.
#include "reader/MtfReader.h"

#include <algorithm>
#include <array>
#include <limits>

namespace tarvelo {
namespace {

// The fields that extraction needs end with the name length at offset 22.
constexpr std::size_t kEntryHeaderBytes = kFileNameOffset;

} // namespace

ExtractOutcome MtfReader::HandleFileEntry(std::uint64_t entryOffset, const std::filesystem::path& outputPath,
                                          PreviewLimit limit) {
    if (!source_) {
        return {ExtractResult::NotOpen, 0};
    }
    auto output = FileExtractionOutput::Create(outputPath);
    if (!output) {
        return {ExtractResult::OutputFailed, 0};
    }
    ExtractOutcome outcome = HandleFileEntry(entryOffset, *output, limit);
    if (!output->Close() && outcome.result != ExtractResult::ReadFailed) {
        outcome.result = ExtractResult::WriteFailed;
    }
    return outcome;
}

ExtractOutcome MtfReader::HandleFileEntry(std::uint64_t entryOffset, ExtractionOutput& output,
                                          PreviewLimit limit) {
    if (!source_) {
        return {ExtractResult::NotOpen, 0};
    }
    // Bytes past the end of the backup read as zero, like the scan's block window.
    std::array<std::uint8_t, kEntryHeaderBytes> header{};
    if (source_->ReadAt(entryOffset, header).failed) {
        return {ExtractResult::ReadFailed, 0};
    }
    const FileEntryFields fields = DecodeFileEntryFields(header.data());
    ExtractOutcome outcome;
    if (fields.dataLength <= 0) {
        return outcome; // nothing to copy; a negative length is a damaged entry
    }
    const auto dataLength = static_cast<std::uint64_t>(fields.dataLength);
    std::uint64_t chunks = dataLength / kChunkSize;
    if (limit == PreviewLimit::Preview) {
        chunks = std::min(chunks, kPreviewChunks);
    }
    const std::uint64_t maxOffset = std::numeric_limits<std::uint64_t>::max();
    const std::uint64_t dataStart = entryOffset > maxOffset - fields.DataOffsetInEntry()
                                        ? maxOffset
                                        : entryOffset + fields.DataOffsetInEntry();
    ExtractData(dataStart, dataLength, chunks, output, outcome);
    return outcome;
}

void MtfReader::ExtractData(std::uint64_t dataStart, std::uint64_t bytes, std::uint64_t chunks,
                            ExtractionOutput& output, ExtractOutcome& outcome) {
    // One chunk at most; a backup smaller than that never needs more than its own length.
    const auto needed = static_cast<std::size_t>(std::min<std::uint64_t>(kChunkSize, source_->Size()));
    if (copyBuffer_.size() < needed) {
        copyBuffer_.resize(needed);
    }
    std::uint64_t offset = dataStart;
    // Copies up to `count` bytes; false when the copy must end here.
    const auto copy = [&](std::size_t count) {
        const ReadResult read =
            source_->ReadAt(offset, std::span(copyBuffer_).first(std::min(count, copyBuffer_.size())));
        if (read.bytes > 0 && !output.Write(std::span<const std::uint8_t>(copyBuffer_).first(read.bytes))) {
            outcome.result = ExtractResult::WriteFailed;
            return false;
        }
        offset += read.bytes;
        outcome.bytesWritten += read.bytes;
        if (read.failed) {
            outcome.result = ExtractResult::ReadFailed;
            return false;
        }
        // The backup ends inside the data (or the length is damaged): stop rather than spin through
        // empty reads.
        return read.bytes > 0;
    };
    for (std::uint64_t i = 0; i < chunks; ++i) {
        if (!copy(kChunkSize)) {
            return;
        }
        if (control_.extracting.load() == 0) {
            outcome.result = ExtractResult::Stopped;
            return;
        }
    }
    // The rest: the last partial chunk, or with the preview limit up to one mebibyte more.
    const std::uint64_t rest = bytes - chunks * kChunkSize;
    if (rest > 0) {
        copy(static_cast<std::size_t>(std::min<std::uint64_t>(rest, kChunkSize)));
    }
}

} // namespace tarvelo
