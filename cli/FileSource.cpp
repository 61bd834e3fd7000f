#include "cli/FileSource.h"

#include "platform/os/Interrupt.h"
#include "platform/os/SystemError.h"
#include "reader/BlockDecoders.h"
#include "reader/ByteSource.h"
#include "reader/MtfReader.h"
#include "reader/TextEncoding.h"
#include "recovery/DisplayPath.h"
#include "recovery/SnapshotFile.h"
#include "recovery/SnapshotFormat.h"

#include <array>
#include <system_error>

namespace tarvelo::cli {

namespace {

std::string Named(const std::filesystem::path& path, std::string_view reason) {
    return Utf8FromPath(path) + ": " + std::string(reason);
}

// Hands each record of a scan on as a FoundFile, with its full data length read from the entry.
class ListingSink final : public ScanSink {
public:
    ListingSink(const FileCallback& onFile, ProgressBar& progress, ByteSource* entries, SourceRun& run)
        : onFile_(onFile), progress_(progress), entries_(entries), run_(run) {}

    void FileFound(std::unique_ptr<FileRecord> record) override {
        CleanRecordPath(*record);
        ++run_.files;
        FoundFile file{run_.files,         record.get(),
                       record->Path(),     record->EntryOffset(),
                       record->DataSize(), LengthAt(record->EntryOffset())};
        onFile_(file);
    }

    void Progress(std::unique_ptr<ProgressRecord> record) override {
        run_.bytes = record->position;
        progress_.Update(record->position, record->length, run_.files);
    }

private:
    std::optional<std::int64_t> LengthAt(std::uint64_t entryOffset) {
        if (entries_ == nullptr) {
            return std::nullopt;
        }
        std::array<std::uint8_t, kFileNameOffset> fields{};
        entries_->ReadAt(entryOffset, fields); // bytes past the end stay zero, as the scan reads them
        return DecodeFileEntryFields(fields.data()).dataLength;
    }

    const FileCallback& onFile_;
    ProgressBar& progress_;
    ByteSource* entries_;
    SourceRun& run_;
};

} // namespace

SourceRun ScanBackup(const std::filesystem::path& backup, ScanControl& control, ProgressBar& progress,
                     const FileCallback& onFile) {
    SourceRun run;
    std::error_code ignored;
    run.backupPath = std::filesystem::absolute(backup, ignored);
    if (run.backupPath.empty()) {
        run.backupPath = backup;
    }
    if (std::filesystem::is_directory(backup, ignored)) {
        run.error = Named(backup, "is a folder, not a backup file");
        return run;
    }
    // A second handle reads the entries' length fields while the scan keeps its own file position.
    std::unique_ptr<FileByteSource> entries = FileByteSource::Open(backup);
    if (!entries) {
        run.error = Named(backup, "cannot open the backup file: " + os::LastErrorText());
        return run;
    }
    ListingSink sink(onFile, progress, entries.get(), run);
    MtfReader reader(control, sink);
    control.running = 1;
    if (os::Interrupted()) { // Ctrl-C before the flag was set
        control.running = 0;
    }
    const ScanResult result = reader.Scan(backup);
    control.running = 0;
    progress.Clear();
    switch (result) {
    case ScanResult::Completed:
        run.bytes = entries->Size();
        break;
    case ScanResult::Stopped:
        run.stopped = true;
        break;
    case ScanResult::OpenFailed:
    case ScanResult::AlreadyOpen:
        run.error = Named(backup, "cannot open the backup file: " + os::LastErrorText());
        break;
    case ScanResult::ReadFailed:
        run.error = Named(backup, "read error while scanning: " + os::LastErrorText());
        break;
    }
    return run;
}

bool IsSnapshotFile(const std::filesystem::path& path) {
    const SnapshotOpenResult opened = SnapshotReader::Open(path);
    return opened.status == SnapshotOpenStatus::Ok;
}

SourceRun ReadSnapshot(const std::filesystem::path& snapshot, ScanControl& control, ProgressBar& progress,
                       const FileCallback& onFile) {
    SourceRun run;
    SnapshotOpenResult opened = SnapshotReader::Open(snapshot);
    if (opened.status == SnapshotOpenStatus::BadSignature) {
        run.error = Named(snapshot, "not a valid snapshot file (the signature does not match)");
        return run;
    }
    if (opened.status != SnapshotOpenStatus::Ok || !opened.reader) {
        run.error = opened.error.empty() ? Named(snapshot, "cannot open the snapshot file") : opened.error;
        return run;
    }
    SnapshotReader& reader = *opened.reader;
    run.backupPath = PathFromUtf16(reader.BackupPath());
    control.running = os::Interrupted() ? 0 : 1;
    while (control.running.load() == 1) {
        std::optional<FileRecord> record = reader.Next();
        if (!record) {
            break;
        }
        CleanRecordPath(*record); // as the record file would store it
        ++run.files;
        run.bytes = reader.Position();
        progress.Update(reader.Position(), reader.Length(), run.files);
        const FoundFile file{run.files,          &*record,    record->Path(), record->EntryOffset(),
                             record->DataSize(), std::nullopt};
        onFile(file);
    }
    run.stopped = control.running.load() != 1;
    control.running = 0;
    progress.Clear();
    return run;
}

SourceRun ReadSource(const std::filesystem::path& source, ScanControl& control, ProgressBar& progress,
                     const FileCallback& onFile) {
    return IsSnapshotFile(source) ? ReadSnapshot(source, control, progress, onFile)
                                  : ScanBackup(source, control, progress, onFile);
}

} // namespace tarvelo::cli
