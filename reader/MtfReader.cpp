#include "reader/MtfReader.h"

#include "reader/CatalogueWalk.h"
#include "reader/TagTable.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace tarvelo {
namespace {

// The search reads the file as 1024-byte windows that overlap by 4 bytes, so a window offers 1020
// candidate positions; a candidate's acceptance needs the 6 bytes from its tag on.
constexpr std::size_t kSearchStep = 1020;
constexpr std::size_t kSearchBytes = kSearchStep + 6;
constexpr std::uint64_t kMaxFileOffset = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
constexpr std::uint64_t kProgressSteps = 10000;

class DiscardingSink final : public ScanSink {
public:
    void FileFound(std::unique_ptr<FileRecord>) override {}
    void Progress(std::unique_ptr<ProgressRecord>) override {}
};

ScanSink& NoSink() {
    static DiscardingSink sink; // stateless, so sharing it between readers is harmless
    return sink;
}

} // namespace

// Catalogue entries are read through the scan's buffer; an I/O error is remembered so that the scan
// ends instead of taking it for the end of the catalogue.
class MtfReader::CatalogueReader final : public CatalogueEntrySource {
public:
    CatalogueReader(ByteCursor& cursor, std::uint64_t tagPosition, bool& readFailed)
        : cursor_(cursor), tagPosition_(tagPosition), readFailed_(readFailed) {}

    std::span<const std::uint8_t> EntryBytes(std::uint64_t offsetFromTag, std::size_t count) override {
        const ByteCursor::View view = cursor_.Fetch(tagPosition_ + offsetFromTag, count);
        readFailed_ = readFailed_ || view.failed;
        return view.bytes;
    }

private:
    ByteCursor& cursor_;
    std::uint64_t tagPosition_;
    bool& readFailed_;
};

MtfReader::MtfReader(ScanControl& control, ScanSink& sink) : control_(control), sink_(&sink) {}

MtfReader::MtfReader(ScanControl& control) : control_(control), sink_(&NoSink()) {}

MtfReader::~MtfReader() = default;

OpenResult MtfReader::OpenBackup(const std::filesystem::path& path) {
    if (source_) {
        return OpenResult::AlreadyOpen;
    }
    source_ = FileByteSource::Open(path);
    return source_ ? OpenResult::Opened : OpenResult::Failed;
}

OpenResult MtfReader::OpenBackup(std::unique_ptr<ByteSource> source) {
    if (source_) {
        return OpenResult::AlreadyOpen;
    }
    source_ = std::move(source);
    return source_ ? OpenResult::Opened : OpenResult::Failed;
}

void MtfReader::CloseBackup() {
    cursor_.reset();
    source_.reset();
}

ScanResult MtfReader::Scan(const std::filesystem::path& path) {
    if (source_) {
        return ScanResult::AlreadyOpen;
    }
    source_ = FileByteSource::Open(path);
    if (!source_) {
        return ScanResult::OpenFailed;
    }
    return RunScan();
}

ScanResult MtfReader::Scan(std::unique_ptr<ByteSource> source) {
    if (source_) {
        return ScanResult::AlreadyOpen;
    }
    if (!source) {
        return ScanResult::OpenFailed;
    }
    source_ = std::move(source);
    return RunScan();
}

void MtfReader::SetReadBufferSize(std::size_t bytes) {
    readBufferSize_ = std::max<std::size_t>(bytes, 2048);
}

bool MtfReader::Running() const {
    return control_.running.load() != 0;
}

ScanResult MtfReader::RunScan() {
    setName_.reset();
    volumePrefix_.clear();
    directoryPath_.clear();
    lastReported_ = 0;
    filePointer_ = 0;
    readFailed_ = false;
    cursor_ = std::make_unique<ByteCursor>(*source_, readBufferSize_);
    const ScanResult result = [this] {
        const std::uint64_t size = cursor_->Size();
        std::uint64_t position = 0; // where the next window starts
        for (;;) {
            if (position >= size) {
                return ScanResult::Completed;
            }
            if (!Running()) {
                return ScanResult::Stopped;
            }
            const ByteCursor::View view = cursor_->Fetch(position, kSearchBytes);
            if (view.failed) {
                return ScanResult::ReadFailed;
            }
            const auto hit = FindAcceptedTag(view.bytes.data(), view.bytes.size(), kSearchStep);
            if (!hit) {
                position += kSearchStep;
                if (!Running()) {
                    return ScanResult::Stopped;
                }
                filePointer_ = position;
                CheckProgress();
                continue;
            }
            std::uint64_t tagPosition = position + hit->position;
            if (!LoadBlockWindow(tagPosition)) {
                return ScanResult::ReadFailed;
            }
            switch (hit->tag) {
            case Tag::Sset:
                if (auto name = DecodeSetName(window_)) {
                    setName_ = std::move(*name);
                }
                break;
            case Tag::Volb:
                if (auto prefix = DecodeVolumePrefix(window_)) {
                    volumePrefix_ = std::move(*prefix);
                }
                break;
            case Tag::Dirb:
                if (auto path = DecodeDirectoryPath(window_)) {
                    directoryPath_ = std::move(*path);
                }
                break;
            case Tag::Eted: {
                const std::int64_t advance = HandleCatalogueEntry(tagPosition);
                if (advance < 0) {
                    return ScanResult::Stopped;
                }
                // Past any possible file offset the next read finds nothing.
                if (static_cast<std::uint64_t>(advance) > kMaxFileOffset - tagPosition) {
                    return ScanResult::Completed;
                }
                tagPosition += static_cast<std::uint64_t>(advance);
                if (!Running()) {
                    control_.running.store(0);
                    return ScanResult::Stopped;
                }
                break;
            }
            case Tag::Tfdd: {
                CatalogueReader entries(*cursor_, tagPosition, readFailed_);
                const CatalogueLength catalogue = WalkCatalogue(window_, entries);
                if (readFailed_) {
                    return ScanResult::ReadFailed;
                }
                tagPosition += catalogue.failed ? 1 : catalogue.length;
                break;
            }
            default:
                break;
            }
            if (tagPosition >= kMaxFileOffset) {
                return ScanResult::Completed;
            }
            position = tagPosition + 1;
        }
    }();
    cursor_.reset(); // the buffer is not needed between scans
    return result;
}

bool MtfReader::LoadBlockWindow(std::uint64_t position) {
    const ByteCursor::View view = cursor_->Fetch(position, window_.size());
    if (view.failed) {
        return false;
    }
    std::memcpy(window_.data(), view.bytes.data(), view.bytes.size());
    std::fill(window_.begin() + static_cast<std::ptrdiff_t>(view.bytes.size()), window_.end(),
              std::uint8_t{0});
    filePointer_ = position + std::min<std::uint64_t>(kBlockWindowSize, cursor_->Size() - position);
    return true;
}

std::int64_t MtfReader::HandleCatalogueEntry(std::uint64_t entryOffset) {
    const FileEntryFields fields = DecodeFileEntryFields(window_.data());
    if (!fields.IsFileEntry()) {
        return 1;
    }
    auto record = std::make_unique<FileRecord>();
    record->SetPath(BuildDisplayPath(setName_, volumePrefix_, directoryPath_,
                                     DecodeFileName(window_, fields.nameLength)));
    record->SetEntryOffset(entryOffset);
    record->SetDataSize(static_cast<std::uint32_t>(static_cast<std::uint64_t>(fields.dataLength)));
    sink_->FileFound(std::move(record));
    if (!Running()) {
        control_.running.store(0);
        return -1;
    }
    CheckProgress();
    // A negative length is reported as it stands, but the search goes on right after the tag.
    return std::max<std::int64_t>(fields.dataLength, 0);
}

void MtfReader::CheckProgress() {
    const std::uint64_t length = cursor_->Size();
    // Unsigned on purpose: a position below the last reported one wraps round and is reported.
    if (filePointer_ - lastReported_ >= length / kProgressSteps) {
        sink_->Progress(std::make_unique<ProgressRecord>(ProgressRecord{filePointer_, length}));
        lastReported_ = filePointer_;
    }
}

} // namespace tarvelo
