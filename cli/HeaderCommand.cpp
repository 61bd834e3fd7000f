#include "cli/Commands.h"
#include "cli/JsonLine.h"
#include "cli/TextOutput.h"
#include "dbheader/HeaderRows.h"
#include "dbheader/ReadDatabaseHeader.h"
#include "reader/TextEncoding.h"

#include <algorithm>

namespace tarvelo::cli {

int RunHeader(const HeaderOptions& options, Console& console) {
    const std::filesystem::path file = PathFromUtf8(options.file);
    const DatabaseHeaderResult read = ReadDatabaseHeader(file);
    if (!read.ok) {
        return Fail(console, read.error);
    }
    // The "File name" row shows the file's own name, the last component of the path on this system.
    const PropertyLayout layout = BuildDatabaseLayout(Utf16FromPath(file.filename()), read.header);
    std::size_t captionWidth = 0;
    for (const PropertyGroup& group : layout) {
        for (const PropertyRow& row : group.rows) {
            captionWidth = std::max(captionWidth, row.caption.size());
        }
    }
    for (const PropertyGroup& group : layout) {
        const std::u16string groupName = Utf8ToUtf16(group.caption);
        if (!options.json) {
            console.out << group.caption << '\n';
        }
        for (const PropertyRow& row : group.rows) {
            if (options.json) {
                console.out << JsonLine()
                                   .Add("group", groupName)
                                   .Add("caption", Utf8ToUtf16(row.caption))
                                   .Add("value", row.value)
                                   .Text()
                            << '\n';
            } else {
                console.out << "  " << row.caption << std::string(captionWidth - row.caption.size() + 2, ' ')
                            << TerminalText(row.value) << '\n';
            }
        }
    }
    console.out.flush();
    return console.out.good() ? kExitSuccess : Fail(console, "standard output: write error");
}

} // namespace tarvelo::cli
