#include "cli/Commands.h"
#include "cli/FileSource.h"
#include "cli/PathFilter.h"
#include "cli/StreamOutput.h"
#include "cli/TextOutput.h"
#include "platform/os/Interrupt.h"
#include "platform/os/SystemError.h"
#include "reader/BlockDecoders.h"
#include "reader/ByteSource.h"
#include "reader/MtfReader.h"
#include "reader/TextEncoding.h"
#include "recovery/SafeOutputPath.h"

#include <array>
#include <chrono>
#include <limits>
#include <system_error>
#include <vector>

namespace tarvelo::cli {

namespace {

constexpr std::uint64_t kPreviewBytes = 5 * MtfReader::kChunkSize;

struct PendingFile {
    std::uint64_t record = 0;
    std::uint64_t entryOffset = 0;
    std::u16string path;
    std::uint64_t expectedBytes = 0; // for the progress bar only
};

std::uint64_t SaturatingAdd(std::uint64_t a, std::uint64_t b) {
    return a > std::numeric_limits<std::uint64_t>::max() - b ? std::numeric_limits<std::uint64_t>::max()
                                                             : a + b;
}

// How many bytes the extraction of the entry should write (from its length fields).
std::uint64_t ExpectedBytes(ByteSource& backup, std::uint64_t entryOffset, bool preview) {
    std::array<std::uint8_t, kFileNameOffset> fields{};
    backup.ReadAt(entryOffset, fields);
    const std::int64_t length = DecodeFileEntryFields(fields.data()).dataLength;
    const std::uint64_t bytes = length < 0 ? 0 : static_cast<std::uint64_t>(length);
    return preview ? std::min(bytes, kPreviewBytes) : bytes;
}

void RemovePartial(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

} // namespace

int RunExtract(const ExtractOptions& options, Console& console, ScanControl& control) {
    const std::optional<PathFilter> filter = PathFilter::Create(options.pattern);
    if (options.pattern && !filter) {
        console.err << "tarvelo: the pattern is empty\n";
        return kExitUsage;
    }
    ProgressBar progress(console.err, console.errIsTerminal && !options.quiet);
    const auto start = std::chrono::steady_clock::now();

    // 1. The files to write: all, or those whose display path matches.
    std::vector<PendingFile> pending;
    const SourceRun run =
        ReadSource(PathFromUtf8(options.source), control, progress, [&](const FoundFile& file) {
            if (!filter || filter->Matches(file.path)) {
                pending.push_back({file.record, file.entryOffset, file.path, 0});
            }
        });
    if (!run.error.empty()) {
        return Fail(console, run.error);
    }
    if (run.stopped) {
        console.err << "tarvelo: stopped while reading " << options.source << "; nothing was written\n";
        return kExitInterrupted;
    }

    // 2. The backup to read from, and the target folder.
    const std::filesystem::path backup =
        options.backup.empty() ? run.backupPath : PathFromUtf8(options.backup);
    const std::string backupName = Utf8FromPath(backup);
    std::unique_ptr<FileByteSource> fields = FileByteSource::Open(backup);
    MtfReader reader(control);
    if (!fields || reader.OpenBackup(backup) == OpenResult::Failed) {
        return Fail(console, backupName + ": cannot open the backup file: " + os::LastErrorText());
    }
    const std::filesystem::path directory = PathFromUtf8(options.directory);
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error || !std::filesystem::is_directory(directory)) {
        return Fail(console, options.directory + ": cannot create the folder: " +
                                 (error ? error.message() : std::string("not a folder")));
    }
    std::uint64_t total = 0;
    for (PendingFile& file : pending) {
        file.expectedBytes = ExpectedBytes(*fields, file.entryOffset, options.preview);
        total = SaturatingAdd(total, file.expectedBytes);
    }

    // 3. One file after the other; a failed file is reported and the rest still written.
    const OutputLayout layout = options.flat ? OutputLayout::Flat : OutputLayout::Hierarchy;
    const PreviewLimit limit = options.preview ? PreviewLimit::Preview : PreviewLimit::WholeFile;
    std::uint64_t done = 0;
    std::uint64_t written = 0;
    std::uint64_t failures = 0;
    bool stopped = false;
    control.running = 1;
    control.extracting = 1;
    progress.Restart();
    for (const PendingFile& file : pending) {
        if (os::Interrupted()) {
            stopped = true;
            break;
        }
        const OutputFile target = CreateOutputFile(directory, file.path, layout);
        if (!target.ok) {
            console.err << "tarvelo: " << target.error << '\n';
            ++failures;
            continue;
        }
        std::unique_ptr<FileExtractionOutput> output = FileExtractionOutput::Create(target.path);
        if (!output) {
            console.err << "tarvelo: " << Utf8FromPath(target.path) << ": " << os::LastErrorText() << '\n';
            RemovePartial(target.path);
            ++failures;
            continue;
        }
        CountingOutput counting(*output, [&](std::uint64_t bytes) {
            progress.Update(SaturatingAdd(done, bytes), total, written);
        });
        const ExtractOutcome outcome = reader.HandleFileEntry(file.entryOffset, counting, limit);
        const bool closed = output->Close();
        const std::string targetName = Utf8FromPath(target.path);
        if (outcome.result == ExtractResult::Stopped) {
            RemovePartial(target.path);
            stopped = true;
            break;
        }
        if (outcome.result != ExtractResult::Written || !closed) {
            const std::string reason = outcome.result == ExtractResult::ReadFailed
                                           ? backupName + ": read error: " + os::LastErrorText()
                                           : targetName + ": write error: " + os::LastErrorText();
            progress.Clear();
            console.err << "tarvelo: " << reason << '\n';
            RemovePartial(target.path);
            ++failures;
            continue;
        }
        if (outcome.bytesWritten < file.expectedBytes) {
            progress.Clear();
            console.err << "tarvelo: warning: " << targetName << ": the backup ends inside this file's data ("
                        << outcome.bytesWritten << " of " << file.expectedBytes << " bytes written)\n";
        }
        done = SaturatingAdd(done, outcome.bytesWritten);
        ++written;
        progress.Clear();
        console.out << FileTableRow(file.record, outcome.bytesWritten, Utf16FromPath(target.path)) << '\n';
        if (console.afterEachFile) {
            console.afterEachFile(written);
        }
    }
    control.running = 0;
    control.extracting = 0;
    progress.Clear();
    console.out.flush();
    console.err << ExtractSummary(written, done, std::chrono::steady_clock::now() - start) << '\n';
    if (stopped) {
        console.err
            << "tarvelo: stopped; the files listed above are complete, the one being written was removed\n";
        return kExitInterrupted;
    }
    return failures == 0 ? kExitSuccess : kExitFailure;
}

} // namespace tarvelo::cli
