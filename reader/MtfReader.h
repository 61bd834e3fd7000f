// The backup file reader. One MtfReader per opened backup file.
//
// Scan: searches the whole file byte by byte for descriptor-block tags (TagTable.h), keeps the current
// backup set, volume and directory, and reports every "ETED" file entry to a ScanSink as a FileRecord,
// with ProgressRecords in between. It trusts no block size, so damaged and truncated files still yield
// every entry that survives. The observable result (records, their bytes and order, progress positions)
// is that of reading the file in 1024-byte windows; internally the file is read in large blocks.
//
// Extraction (HandleFileEntry): copies the data of the file entry at a known offset into an output,
// whole or only its first 5 MiB (the preview limit), in 1 MiB chunks through one buffer per reader.
//
// Threads: a reader is used by one thread at a time. The flags in ScanControl may be cleared from any
// thread; the scan polls `running` and the copy loop polls `extracting`.
#pragma once

#include "reader/BlockDecoders.h"
#include "reader/ByteSource.h"
#include "reader/ExtractionOutput.h"
#include "reader/ScanRecords.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvelo {

enum class OpenResult {
    Opened,      // the backup file was opened just now
    AlreadyOpen, // nothing done
    Failed,      // the caller shows "Failed to open the file"
};

enum class ScanResult {
    Completed,   // the whole file was searched
    Stopped,     // the running flag was found cleared
    OpenFailed,  // the caller shows "Failed to open the file"; no record was sent
    AlreadyOpen, // the reader already had a backup file: nothing done
    ReadFailed,  // an I/O error ended the scan; the records sent so far are valid
};

// The preview needs only the start of a file: at most 5 MiB are written with the limit.
enum class PreviewLimit { WholeFile = 0, Preview = 1 };

enum class ExtractResult {
    Written,      // the data (possibly short, when the backup ends inside it) was written
    Stopped,      // the extracting flag was found cleared; the chunks written so far stay
    NotOpen,      // no backup file is open: no output was created
    OutputFailed, // the output could not be created: nothing written
    ReadFailed,   // an I/O error on the backup file; what was read before it was written
    WriteFailed,  // the output refused bytes
};

struct ExtractOutcome {
    ExtractResult result = ExtractResult::Written;
    std::uint64_t bytesWritten = 0;
};

class MtfReader {
public:
    static constexpr std::size_t kChunkSize = std::size_t{1} << 20;
    static constexpr std::uint64_t kPreviewChunks = 4; // the loop's chunks; the rest step adds one more

    // The sink receives every record of a scan, in file order.
    MtfReader(ScanControl& control, ScanSink& sink);
    // A reader used only for extraction: a scan through it reports to nobody.
    explicit MtfReader(ScanControl& control);
    ~MtfReader();
    MtfReader(const MtfReader&) = delete;
    MtfReader& operator=(const MtfReader&) = delete;

    // The size of the scan's read buffer (default 1 MiB; at least 2 KiB). Tests use small buffers to
    // move the buffer's edges around; the records do not depend on it.
    void SetReadBufferSize(std::size_t bytes);

    // Opens the backup file unless one is open already.
    OpenResult OpenBackup(const std::filesystem::path& path);
    OpenResult OpenBackup(std::unique_ptr<ByteSource> source);
    void CloseBackup();
    [[nodiscard]] bool IsOpen() const { return source_ != nullptr; }

    // Opens the backup file and scans it to its end (or until the running flag is cleared). Does
    // nothing when a backup file is already open. A reader scans once; the file stays open afterwards.
    ScanResult Scan(const std::filesystem::path& path);
    ScanResult Scan(std::unique_ptr<ByteSource> source);

    // Writes the data of the "ETED" entry at entryOffset: the output file is created or truncated
    // (only when the backup file is open). A negative data length writes nothing; the loop ends early
    // when the backup file ends inside the data.
    ExtractOutcome HandleFileEntry(std::uint64_t entryOffset, const std::filesystem::path& outputPath,
                                   PreviewLimit limit);
    ExtractOutcome HandleFileEntry(std::uint64_t entryOffset, ExtractionOutput& output, PreviewLimit limit);

private:
    class CatalogueReader;

    ScanResult RunScan();
    // Fills the block window with the file's bytes at position (zero past the end of the file).
    bool LoadBlockWindow(std::uint64_t position);
    // Reports the file entry whose block is in the window; answers how far the scan moves on from
    // the tag, or -1 when the running flag was found cleared.
    std::int64_t HandleCatalogueEntry(std::uint64_t entryOffset);
    void CheckProgress();
    [[nodiscard]] bool Running() const;
    void ExtractData(std::uint64_t dataStart, std::uint64_t bytes, std::uint64_t chunks,
                     ExtractionOutput& output, ExtractOutcome& outcome);

    ScanControl& control_;
    ScanSink* sink_;
    std::unique_ptr<ByteSource> source_;
    std::unique_ptr<ByteCursor> cursor_;
    BlockWindow window_{};
    std::size_t readBufferSize_ = ByteCursor::kDefaultCapacity;
    std::vector<std::uint8_t> copyBuffer_; // allocated on the first extraction, reused by later ones

    std::optional<std::u16string> setName_; // absent until the first accepted "SSET"
    std::u16string volumePrefix_;
    std::u16string directoryPath_;
    std::uint64_t lastReported_ = 0;
    std::uint64_t filePointer_ = 0; // where a 1024-byte-window reader's file pointer would stand
    bool readFailed_ = false;
};

} // namespace tarvelo
