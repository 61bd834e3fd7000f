// Where a generated backup goes: a byte string in memory, or a file on disk whose long zero runs are
// left as holes (sparse) so that multi-GiB backups cost little disk and time.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace tarvelo::bkfgen {

class Output {
public:
    Output() = default;
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    virtual ~Output() = default;

    virtual void Write(std::string_view bytes) = 0;
    // Appends `count` zero bytes; a file output seeks over them instead of writing them.
    virtual void WriteZeros(std::uint64_t count) = 0;
    // Bytes written so far (zeros included).
    [[nodiscard]] virtual std::uint64_t Position() const = 0;
    // Makes everything written visible (a file gets its full length even when it ends in a hole).
    virtual void Finish() {}
};

class StringOutput final : public Output {
public:
    explicit StringOutput(std::string& target) : target_(target) {}
    void Write(std::string_view bytes) override { target_.append(bytes); }
    void WriteZeros(std::uint64_t count) override;
    [[nodiscard]] std::uint64_t Position() const override { return target_.size(); }

private:
    std::string& target_;
};

// Creates or truncates the file. Zero runs of at least kHoleThreshold bytes become holes on file
// systems that support them; shorter runs are written. Throws std::runtime_error on I/O failure.
class FileOutput final : public Output {
public:
    static constexpr std::uint64_t kHoleThreshold = 64 * 1024;

    explicit FileOutput(const std::filesystem::path& path);
    ~FileOutput() override;
    void Write(std::string_view bytes) override;
    void WriteZeros(std::uint64_t count) override;
    [[nodiscard]] std::uint64_t Position() const override { return position_; }
    void Finish() override;

private:
    void Check(const char* what) const;

    std::filesystem::path path_;
    std::ofstream file_;
    std::uint64_t position_ = 0;
    bool finished_ = false;
};

} // namespace tarvelo::bkfgen
