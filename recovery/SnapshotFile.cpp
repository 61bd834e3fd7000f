#include "recovery/SnapshotFile.h"

#include "platform/os/FileSystem.h"
#include "platform/os/SystemError.h"
#include "reader/TextEncoding.h"
#include "recovery/SnapshotFormat.h"

#include <algorithm>
#include <array>

namespace tarvelo {

namespace {

std::string Quoted(const std::filesystem::path& path) {
    return "'" + Utf8FromPath(path) + "'";
}

// A new file beside `target` that no one else has: the snapshot is written there first.
os::File CreatePartFile(const std::filesystem::path& target, std::filesystem::path& partPath,
                        std::string& error) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        partPath = target;
        partPath += attempt == 0 ? std::string(".part") : ".part" + std::to_string(attempt);
        os::File file = os::File::Open(partPath, os::OpenMode::CreateNew, error);
        if (file.IsOpen()) {
            return file;
        }
        if (!std::filesystem::exists(std::filesystem::symlink_status(partPath))) {
            break; // not a name clash: the folder refuses new files
        }
    }
    return {};
}

} // namespace

SnapshotSaveResult SaveSnapshot(const std::filesystem::path& snapshotPath, std::u16string_view backupPath,
                                const RecordFile& records) {
    SnapshotSaveResult result;
    const auto header = snapshot::BuildHeader(backupPath);
    if (!header) {
        result.error = Quoted(snapshotPath) + ": the backup file path is longer than " +
                       std::to_string(snapshot::kMaxBackupPathUnits) + " characters and does not fit";
        return result;
    }
    std::filesystem::path partPath;
    os::File part = CreatePartFile(snapshotPath, partPath, result.error);
    if (!part.IsOpen()) {
        return result;
    }
    const auto fail = [&](const std::string& reason) {
        part.Close();
        os::RemoveEntry(partPath);
        result.error = reason;
        return result;
    };
    if (!part.WriteAt(0, *header)) {
        return fail(Quoted(snapshotPath) + ": " + os::LastErrorText());
    }
    FileRecord record;
    std::uint64_t at = snapshot::kHeaderSize;
    for (std::uint32_t n = 1; n <= records.Count(); ++n) {
        if (records.Read(n, record) != FileRecord::kSize) {
            return fail(Quoted(records.Path()) + ": record " + std::to_string(n) + " could not be read");
        }
        if (!part.WriteAt(at, record.Raw())) {
            return fail(Quoted(snapshotPath) + ": " + os::LastErrorText());
        }
        at += FileRecord::kSize;
    }
    if (!part.Close()) {
        return fail(Quoted(snapshotPath) + ": " + os::LastErrorText());
    }
    if (!os::MoveFileOver(partPath, snapshotPath)) {
        const std::string reason = os::LastErrorText();
        os::RemoveEntry(partPath);
        result.error = Quoted(snapshotPath) + ": " + reason;
        return result;
    }
    result.ok = true;
    return result;
}

SnapshotOpenResult SnapshotReader::Open(const std::filesystem::path& path) {
    SnapshotReader reader;
    std::string error;
    os::File file = os::File::Open(path, os::OpenMode::Read, error);
    if (!file.IsOpen()) {
        return {SnapshotOpenStatus::CannotOpen, std::nullopt, error};
    }
    const auto length = file.Size();
    if (!length) {
        return {SnapshotOpenStatus::CannotOpen, std::nullopt, Quoted(path) + ": " + os::LastErrorText()};
    }
    reader.length_ = *length;
    reader.source_ = std::move(file);
    return Start(std::move(reader), Quoted(path));
}

SnapshotOpenResult SnapshotReader::FromBytes(std::span<const std::uint8_t> bytes) {
    SnapshotReader reader;
    reader.length_ = bytes.size();
    reader.source_ = bytes;
    return Start(std::move(reader), "snapshot in memory");
}

SnapshotOpenResult SnapshotReader::Start(SnapshotReader reader, const std::string& name) {
    // Both fields are read into zeroed buffers: a file shorter than the header reads as zero-filled.
    std::array<std::uint8_t, snapshot::kSignatureFieldSize> signature{};
    reader.ReadAt(0, signature);
    if (!snapshot::SignatureMatches(signature)) {
        return {SnapshotOpenStatus::BadSignature, std::nullopt,
                name + ": not a snapshot file (wrong signature)"};
    }
    std::array<std::uint8_t, snapshot::kPathFieldSize> pathField{};
    reader.ReadAt(snapshot::kSignatureFieldSize, pathField);
    snapshot::PathField path = snapshot::ReadPathField(pathField);
    reader.backupPath_ = std::move(path.path);
    reader.pathUnterminated_ = path.unterminated;
    reader.position_ = snapshot::kHeaderSize;
    return {SnapshotOpenStatus::Ok, std::move(reader), {}};
}

std::size_t SnapshotReader::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const {
    if (const auto* file = std::get_if<os::File>(&source_)) {
        return file->ReadAt(offset, buffer).value_or(0);
    }
    const auto bytes = std::get<std::span<const std::uint8_t>>(source_);
    if (offset >= bytes.size()) {
        return 0;
    }
    const auto from = bytes.subspan(static_cast<std::size_t>(offset));
    const std::size_t count = std::min(from.size(), buffer.size());
    std::copy_n(from.begin(), count, buffer.begin());
    return count;
}

std::optional<FileRecord> SnapshotReader::Next() {
    FileRecord record;
    if (ReadAt(position_, record.Raw()) != FileRecord::kSize) {
        return std::nullopt;
    }
    position_ += FileRecord::kSize;
    return record;
}

} // namespace tarvelo
