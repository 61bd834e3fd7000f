#include "recovery/RecordFile.h"

#include "platform/os/FileSystem.h"

#include <algorithm>
#include <limits>

namespace tarvelo {

RecordFile RecordFile::Create(const std::filesystem::path& path, std::string& error) {
    RecordFile records;
    records.file_ = os::File::Open(path, os::OpenMode::CreateTruncateNoFollow, error);
    if (records.file_.IsOpen()) {
        records.path_ = path;
    }
    return records;
}

RecordFile::RecordFile(RecordFile&& other) noexcept
    : file_(std::move(other.file_)), path_(std::move(other.path_)), count_(other.count_),
      pending_(std::move(other.pending_)) {
    other.count_ = 0;
    other.pending_.clear();
}

RecordFile& RecordFile::operator=(RecordFile&& other) noexcept {
    if (this != &other) {
        static_cast<void>(Flush());
        file_ = std::move(other.file_);
        path_ = std::move(other.path_);
        count_ = other.count_;
        pending_ = std::move(other.pending_);
        other.count_ = 0;
        other.pending_.clear();
    }
    return *this;
}

RecordFile::~RecordFile() {
    static_cast<void>(Flush());
}

std::uint32_t RecordFile::PendingCount() const {
    return static_cast<std::uint32_t>(pending_.size() / FileRecord::kSize);
}

bool RecordFile::Append(const FileRecord& record) {
    if (!file_.IsOpen() || count_ == std::numeric_limits<std::uint32_t>::max()) {
        return false;
    }
    const auto& raw = record.Raw();
    if (pending_.empty()) {
        pending_.reserve(std::size_t{kBufferedRecords} * FileRecord::kSize);
    }
    pending_.insert(pending_.end(), raw.begin(), raw.end());
    ++count_;
    if (PendingCount() >= kBufferedRecords && !Flush()) {
        pending_.resize(pending_.size() - FileRecord::kSize);
        --count_;
        return false;
    }
    return true;
}

bool RecordFile::Flush() {
    if (pending_.empty() || !file_.IsOpen()) {
        return pending_.empty();
    }
    const std::uint64_t at = static_cast<std::uint64_t>(count_ - PendingCount()) * FileRecord::kSize;
    if (!file_.WriteAt(at, pending_)) {
        return false;
    }
    pending_.clear();
    return true;
}

std::size_t RecordFile::Read(std::uint32_t n, FileRecord& out) const {
    out.Raw().fill(0);
    if (n == 0 || n > count_) {
        return 0;
    }
    const std::uint32_t written = count_ - PendingCount();
    if (n > written) {
        const auto from =
            pending_.begin() + static_cast<std::ptrdiff_t>(std::size_t{n - written - 1} * FileRecord::kSize);
        std::copy(from, from + static_cast<std::ptrdiff_t>(FileRecord::kSize), out.Raw().begin());
        return FileRecord::kSize;
    }
    const std::uint64_t at = static_cast<std::uint64_t>(n - 1) * FileRecord::kSize;
    const auto got = file_.ReadAt(at, out.Raw());
    if (!got) {
        out.Raw().fill(0);
        return 0;
    }
    return *got;
}

void RecordFile::CloseAndRemove() {
    if (!file_.IsOpen()) {
        return;
    }
    pending_.clear();
    file_.Close();
    os::RemoveEntry(path_);
    path_.clear();
    count_ = 0;
}

} // namespace tarvelo
