// A file handle with positional reads and writes, and the open modes the program needs, including one
// that refuses to follow a link planted at a predictable path in the temporary folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace tarvelo::os {

enum class OpenMode {
    Read,                   // an existing file, read only, shared with other readers and writers
    CreateTruncate,         // create or truncate, read and write (paths the user chose)
    CreateTruncateNoFollow, // the same, but a link at the path (or anything not a plain file) is refused
    CreateNew,              // create a new plain file, read and write; fails if anything is at the path
};

class File {
public:
    File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    ~File();

    // Opens `path`; on failure the file stays closed and `error` says which file and why.
    static File Open(const std::filesystem::path& path, OpenMode mode, std::string& error);

    [[nodiscard]] bool IsOpen() const;
    // Reads up to buffer.size() bytes at `offset`; fewer only at the end of the file. Nothing on error.
    [[nodiscard]] std::optional<std::size_t> ReadAt(std::uint64_t offset,
                                                    std::span<std::uint8_t> buffer) const;
    // Writes all of `bytes` at `offset`.
    [[nodiscard]] bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    [[nodiscard]] std::optional<std::uint64_t> Size() const;
    // Closes the handle; false when the system reports an error at close (data may be lost).
    bool Close();

private:
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

} // namespace tarvelo::os
