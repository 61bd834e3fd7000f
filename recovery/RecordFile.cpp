#include "recovery/RecordFile.h"

#include "platform/os/FileSystem.h"

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

bool RecordFile::Append(const FileRecord& record) {
    if (count_ == std::numeric_limits<std::uint32_t>::max()) {
        return false;
    }
    const std::uint64_t at = static_cast<std::uint64_t>(count_) * FileRecord::kSize;
    if (!file_.WriteAt(at, record.Raw())) {
        return false;
    }
    ++count_;
    return true;
}

std::size_t RecordFile::Read(std::uint32_t n, FileRecord& out) const {
    out.Raw().fill(0);
    if (n == 0 || n > count_) {
        return 0;
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
    file_.Close();
    os::RemoveEntry(path_);
    path_.clear();
    count_ = 0;
}

} // namespace tarvelo
