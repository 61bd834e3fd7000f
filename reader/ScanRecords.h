// The records that travel from the reader to whoever consumes a scan, and the two control flags.
// FileRecord is an on-disk format (record file, snapshot file): 2274 bytes, little-endian, UTF-16LE.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tarvelo {

class FileRecord {
public:
    static constexpr std::size_t kSize = 2274;
    static constexpr std::size_t kPathOffset = 0;
    static constexpr std::size_t kPathUnits = 1024; // terminator included
    static constexpr std::size_t kEntryOffsetOffset = 2048;
    static constexpr std::size_t kReservedOffset = 2056;
    static constexpr std::size_t kDataSizeOffset = 2060;
    static constexpr std::size_t kReservedText1Offset = 2064;
    static constexpr std::size_t kReservedText2Offset = 2164;
    static constexpr std::size_t kReservedTextUnits = 50;
    static constexpr std::size_t kPaddingOffset = 2264;

    using Bytes = std::array<std::uint8_t, kSize>;

    FileRecord() = default;
    explicit FileRecord(const Bytes& raw) : bytes_(raw) {}

    // The path up to its first nul unit (at most 1024 units when the field has none).
    [[nodiscard]] std::u16string Path() const;
    // Stores at most 1023 units followed by a nul; every byte after the terminator becomes zero.
    void SetPath(std::u16string_view path);

    [[nodiscard]] std::uint64_t EntryOffset() const { return ReadLe64(kEntryOffsetOffset); }
    void SetEntryOffset(std::uint64_t value) { WriteLe64(kEntryOffsetOffset, value); }
    [[nodiscard]] std::uint32_t Reserved() const { return ReadLe32(kReservedOffset); }
    [[nodiscard]] std::uint32_t DataSize() const { return ReadLe32(kDataSizeOffset); }
    void SetDataSize(std::uint32_t value) { WriteLe32(kDataSizeOffset, value); }

    [[nodiscard]] const Bytes& Raw() const { return bytes_; }
    [[nodiscard]] Bytes& Raw() { return bytes_; }

    friend bool operator==(const FileRecord&, const FileRecord&) = default;

private:
    [[nodiscard]] std::uint64_t ReadLe64(std::size_t at) const;
    [[nodiscard]] std::uint32_t ReadLe32(std::size_t at) const;
    void WriteLe64(std::size_t at, std::uint64_t value);
    void WriteLe32(std::size_t at, std::uint32_t value);

    Bytes bytes_{};
};

struct ProgressRecord {
    std::uint64_t position = 0; // the reader's file pointer
    std::uint64_t length = 0;   // the backup file's length
    friend bool operator==(const ProgressRecord&, const ProgressRecord&) = default;
};

// Receives every record of a scan in file order and owns it from then on. The GUI forwards each call
// as a synchronous message to its user-interface thread; the command-line tool and tests use it directly.
class ScanSink {
public:
    ScanSink() = default;
    ScanSink(const ScanSink&) = delete;
    ScanSink& operator=(const ScanSink&) = delete;
    virtual ~ScanSink() = default;
    virtual void FileFound(std::unique_ptr<FileRecord> record) = 0;
    virtual void Progress(std::unique_ptr<ProgressRecord> record) = 0;
};

// The running and extracting flags. Written by the user interface (Stop), polled by the reader.
struct ScanControl {
    std::atomic<int> running{0};
    std::atomic<int> extracting{0};
};

} // namespace tarvelo
