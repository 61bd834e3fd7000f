#include "cli/Commands.h"
#include "cli/FileLister.h"
#include "cli/FileSource.h"
#include "cli/TextOutput.h"
#include "reader/TextEncoding.h"
#include "recovery/RecordFile.h"
#include "recovery/SnapshotFile.h"

#include <chrono>

namespace tarvelo::cli {

int RunScan(const ScanOptions& options, Console& console, ScanControl& control) {
    // With --snapshot the records go to a record file beside the snapshot, which SaveSnapshot copies.
    RecordFile records;
    const std::filesystem::path snapshot = PathFromUtf8(options.snapshot);
    if (!options.snapshot.empty()) {
        std::string error;
        records = RecordFile::Create(PathFromUtf8(options.snapshot + ".records"), error);
        if (!records.IsOpen()) {
            return Fail(console, error);
        }
    }
    struct RemoveRecords {
        RecordFile& records;
        ~RemoveRecords() {
            if (records.IsOpen()) {
                records.CloseAndRemove();
            }
        }
    } removeRecords{records};

    ProgressBar progress(console.err, console.errIsTerminal && !options.quiet);
    FileLister lister(console, options.json);
    bool recordWriteFailed = false;
    const auto start = std::chrono::steady_clock::now();
    const SourceRun run =
        ScanBackup(PathFromUtf8(options.backup), control, progress, [&](const FoundFile& file) {
            lister.Print(file);
            if (records.IsOpen() && !records.Append(*file.fileRecord)) {
                recordWriteFailed = true;
            }
            if (console.afterEachFile) {
                console.afterEachFile(file.record);
            }
        });
    console.out.flush();
    if (!run.error.empty()) {
        return Fail(console, run.error);
    }
    if (!options.json) {
        console.err << ScanSummary(run.files, run.bytes, std::chrono::steady_clock::now() - start) << '\n';
    }
    if (run.stopped) {
        console.err << "tarvelo: stopped; the files listed above were found before the stop"
                    << (options.snapshot.empty() ? "" : "; no snapshot was written") << '\n';
        return kExitInterrupted;
    }
    if (records.IsOpen()) {
        if (recordWriteFailed || !records.Flush()) {
            return Fail(console, Utf8FromPath(records.Path()) + ": write error; no snapshot was written");
        }
        const SnapshotSaveResult saved = SaveSnapshot(snapshot, Utf16FromPath(run.backupPath), records);
        if (!saved.ok) {
            return Fail(console, saved.error);
        }
    }
    return kExitSuccess;
}

} // namespace tarvelo::cli
