#include "cli/Commands.h"
#include "cli/FileLister.h"
#include "cli/FileSource.h"
#include "cli/PathFilter.h"
#include "cli/TextOutput.h"
#include "reader/TextEncoding.h"

#include <chrono>

namespace tarvelo::cli {

namespace {

// Lists what `read` delivers through `keep`, then the summary; the common end of list and search.
template <typename Read>
int ListFiles(const OutputOptions& options, Console& console, const std::string& summaryVerb, Read read) {
    ProgressBar progress(console.err, console.errIsTerminal && !options.quiet);
    FileLister lister(console, options.json);
    std::uint64_t listed = 0;
    const auto start = std::chrono::steady_clock::now();
    const SourceRun run = read(progress, [&](const FoundFile& file) {
        lister.Print(file);
        ++listed;
        if (console.afterEachFile) {
            console.afterEachFile(listed);
        }
    });
    console.out.flush();
    if (!run.error.empty()) {
        return Fail(console, run.error);
    }
    if (!options.json) {
        std::string summary = ScanSummary(run.files, run.bytes, std::chrono::steady_clock::now() - start);
        if (!summaryVerb.empty()) {
            summary += "; " + std::to_string(listed) + " " + summaryVerb;
        }
        console.err << summary << '\n';
    }
    if (run.stopped) {
        console.err << "tarvelo: stopped; the files listed above were found before the stop\n";
        return kExitInterrupted;
    }
    return kExitSuccess;
}

} // namespace

int RunList(const ListOptions& options, Console& console, ScanControl& control) {
    const std::filesystem::path snapshot = PathFromUtf8(options.snapshot);
    return ListFiles(options, console, "", [&](ProgressBar& progress, const FileCallback& onFile) {
        return ReadSnapshot(snapshot, control, progress, onFile);
    });
}

int RunSearch(const SearchOptions& options, Console& console, ScanControl& control) {
    const std::optional<PathFilter> filter = PathFilter::Create(options.pattern);
    if (!filter) {
        console.err << "tarvelo: the pattern is empty\n";
        return kExitUsage;
    }
    const std::filesystem::path source = PathFromUtf8(options.source);
    return ListFiles(options, console, "matched", [&](ProgressBar& progress, const FileCallback& onFile) {
        return ReadSource(source, control, progress, [&](const FoundFile& file) {
            if (filter->Matches(file.path)) {
                onFile(file);
            }
        });
    });
}

} // namespace tarvelo::cli
