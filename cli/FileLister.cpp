#include "cli/FileLister.h"

#include "cli/JsonLine.h"
#include "cli/TextOutput.h"

namespace tarvelo::cli {

void FileLister::Print(const FoundFile& file) {
    if (json_) {
        JsonLine line;
        line.Add("record", file.record)
            .Add("offset", file.entryOffset)
            .Add("size", static_cast<std::int32_t>(file.dataSize));
        if (file.length) {
            line.Add("length", *file.length);
        }
        line.Add("path", file.path);
        console_.out << line.Text() << '\n';
        return;
    }
    if (!headingDone_) {
        console_.out << FileTableHeading() << '\n';
        headingDone_ = true;
    }
    // The table shows the full length where it is known; a snapshot only has the low 32 bits.
    const std::uint64_t size = file.length ? (*file.length < 0 ? 0 : static_cast<std::uint64_t>(*file.length))
                                           : std::uint64_t{file.dataSize};
    console_.out << FileTableRow(file.record, size, file.path) << '\n';
}

} // namespace tarvelo::cli
