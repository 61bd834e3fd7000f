// Where extracted file data goes: a file on disk (created or truncated), or any other sink (tests,
// fuzzing). Write failures are reported, never thrown.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

namespace tarvelo {

class ExtractionOutput {
public:
    ExtractionOutput() = default;
    ExtractionOutput(const ExtractionOutput&) = delete;
    ExtractionOutput& operator=(const ExtractionOutput&) = delete;
    virtual ~ExtractionOutput() = default;
    // False when not all bytes could be written.
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
};

// A file opened for writing, created or truncated to zero length. The file is closed on destruction;
// Close() reports whether the last buffered bytes reached the disk.
class FileExtractionOutput final : public ExtractionOutput {
public:
    static std::unique_ptr<FileExtractionOutput> Create(const std::filesystem::path& path);
    ~FileExtractionOutput() override;
    bool Write(std::span<const std::uint8_t> bytes) override;
    bool Close();

private:
    explicit FileExtractionOutput(std::FILE* file) : file_(file) {}
    std::FILE* file_;
};

// Collects the bytes in memory, or only counts them when told to keep nothing.
class MemoryExtractionOutput final : public ExtractionOutput {
public:
    explicit MemoryExtractionOutput(bool keepBytes = true) : keepBytes_(keepBytes) {}
    bool Write(std::span<const std::uint8_t> bytes) override {
        if (keepBytes_) {
            bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        }
        written_ += bytes.size();
        return true;
    }
    [[nodiscard]] const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    [[nodiscard]] std::uint64_t Written() const { return written_; }

private:
    bool keepBytes_;
    std::vector<std::uint8_t> bytes_;
    std::uint64_t written_ = 0;
};

} // namespace tarvelo
