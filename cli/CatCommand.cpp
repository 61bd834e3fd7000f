#include "cli/Commands.h"
#include "cli/StreamOutput.h"
#include "platform/os/Interrupt.h"
#include "platform/os/SystemError.h"
#include "reader/ByteSource.h"
#include "reader/MtfReader.h"
#include "reader/TextEncoding.h"

#include <array>
#include <cstring>

namespace tarvelo::cli {

int RunCat(const CatOptions& options, Console& console, ScanControl& control) {
    const std::filesystem::path backup = PathFromUtf8(options.backup);
    const std::string name = Utf8FromPath(backup);
    {
        // Refuse an offset that does not hold a file entry rather than copy whatever lies there.
        std::unique_ptr<FileByteSource> source = FileByteSource::Open(backup);
        if (!source) {
            return Fail(console, name + ": cannot open the backup file: " + os::LastErrorText());
        }
        std::array<std::uint8_t, 4> tag{};
        if (source->ReadAt(options.offset, tag).bytes != tag.size() ||
            std::memcmp(tag.data(), "ETED", 4) != 0) {
            return Fail(console, name + ": no file entry at offset " + std::to_string(options.offset));
        }
    }
    MtfReader reader(control);
    if (reader.OpenBackup(backup) == OpenResult::Failed) {
        return Fail(console, name + ": cannot open the backup file: " + os::LastErrorText());
    }
    StreamExtractionOutput out(console.out);
    control.running = 1;
    control.extracting = os::Interrupted() ? 0 : 1;
    const ExtractOutcome outcome = reader.HandleFileEntry(
        options.offset, out, options.preview ? PreviewLimit::Preview : PreviewLimit::WholeFile);
    control.running = 0;
    control.extracting = 0;
    console.out.flush();
    switch (outcome.result) {
    case ExtractResult::Written:
        return console.out.good() ? kExitSuccess : Fail(console, "standard output: write error");
    case ExtractResult::Stopped:
        console.err << "tarvelo: stopped after " << outcome.bytesWritten << " bytes\n";
        return kExitInterrupted;
    case ExtractResult::WriteFailed:
    case ExtractResult::OutputFailed:
        return Fail(console, "standard output: write error");
    case ExtractResult::ReadFailed:
        return Fail(console, name + ": read error: " + os::LastErrorText());
    case ExtractResult::NotOpen:
        break;
    }
    return Fail(console, name + ": cannot open the backup file");
}

} // namespace tarvelo::cli
