#include "dbheader/HeaderRows.h"

#include "dbheader/HeaderFormat.h"

#include <array>

namespace tarvelo {

namespace {

using enum FieldConversion;

constexpr std::array<HeaderRowSpec, 37> kFileDetails{{
    {"File name", "Display name of selected file", FileName, 0},
    {"Checksum", "Display checksum for selected file", HexBytes, 0x000},
    {"Signature", "Display signature for selected file", HexBytes, 0x004},
    {"Format version", "Display file format version for selected file", HexBytes, 0x008},
    {"File type", "Display file type for selected file", FileType, 0x00C},
    {"Database time", "Display Database time for selected file", DbTime, 0x010},
    {"Shadowing Disabled", "Display Shadowing disabled for selected file", Decimal, 0x0D0},
    {"Last object identifier", "The last object identifier in the database", Decimal, 0x0D4},
    {"Major Version", "Major version when the database indexes were updated", Decimal, 0x0D8},
    {"Minor Version", "Minor version when the database indexes were updated", Decimal, 0x0DC},
    {"Build number", "Build number when the database indexes were updated", Decimal, 0x0E0},
    {"Service pack number", "Service pack number when the database indexes were updated", Decimal, 0x0E4},
    {"File format revision", "Display file format version", Decimal, 0x0E8},
    {"Page size", "Display value in bytes", Decimal, 0x0EC},
    {"Repair Count", "Display repair count", Decimal, 0x0F0},
    {"Repair date and time", "Display log time", LogTime, 0x0F4},
    {"Scrub database time", "Display database time", DbTime, 0x118},
    {"Scrub date and time", "Display backup log time", LogTime, 0x120},
    {"Required log", "Display required log", Text, 0x128},
    {"Exchange format", "Display exchange format", Decimal, 0x130},
    {"Upgrade free pages", "Display upgrade free pages", Decimal, 0x134},
    {"Upgrade space map pages", "Display upgrade space map pages", Decimal, 0x138},
    {"Creation file format version", "Display creation file format version", Decimal, 0x154},
    {"Creation file format revision", "Display creation file format revision", Decimal, 0x158},
    {"Old repair count", "Display old repair count", Decimal, 0x16C},
    {"ECC fix success count", "Display ECC fix success count", Decimal, 0x170},
    {"Last ECC fix success date and time", "Display Last ECC fix success date and time", LogTime, 0x174},
    {"Old ECC fix success count", "Display Old ECC fix success count", Decimal, 0x17C},
    {"ECC fix error count", "Display ECC fix error count", Decimal, 0x180},
    {"Last ECC fix error date and time", "Display Last ECC fix error date and time", LogTime, 0x184},
    {"Old ECC fix error count", "Display Old ECC fix error count", Decimal, 0x18C},
    {"Bad checksum error count", "Display Bad checksum error count", Decimal, 0x190},
    {"Checksum error date and time", "Display Last bad checksum error date and time", LogTime, 0x194},
    {"Checksum error count", "Display Old bad checksum error count", Decimal, 0x19C},
    {"Committed log", "Display Committed log", Decimal, 0x1A0},
    {"NLS major version", "Display NLS major version", Decimal, 0x1FC},
    {"NLS minor version", "Display NLS minor version", Decimal, 0x200},
}};

constexpr std::array<HeaderRowSpec, 11> kDatabaseSignature{{
    {"Log time", "Display Log time of selected file", LogTime, 0x01C},
    {"Computer name", "Display netBios computer name of selected file", Text, 0x024},
    {"Database state", "Display Database state of selected file", DatabaseState, 0x034},
    {"Consistent position", "Display Consistent position of selected file", LogPosition, 0x038},
    {"Consistent date and time", "Display Consistent date and time of selected file", LogTime, 0x040},
    {"Attach date and time", "Display attach date and time of selected file", LogTime, 0x048},
    {"Attach positon", "Display attach position of selected file", LogPosition, 0x050},
    {"Detach date and time", "Display Detach date and time of selected file", LogTime, 0x058},
    {"Detach position", "Display detach position of selected file", LogPosition, 0x060},
    {"Log signature", "Display log signature of selected file", LogTime, 0x06C},
    {"Log netBios Computer name", "Display Log netBios Computer name of selected file", Text, 0x074},
}};

// A backup information block: log position +0, log time +8, lower generation +16, upper +20.
constexpr std::array<HeaderRowSpec, 4> BackupRows(std::size_t block) {
    return {{
        {"Generation lower number", "Display generation lower number for backup information", Decimal,
         block + 16},
        {"Generation upper number", "Display generation upper number for backup information", Decimal,
         block + 20},
        {"Log position", "Display Log position for backup information", LogPosition, block + 0},
        {"Log time", "Display Log time for backup information", LogTime, block + 8},
    }};
}

constexpr auto kPreviousFull = BackupRows(0x088);
constexpr auto kPreviousIncremental = BackupRows(0x0A0);
constexpr auto kCurrentFull = BackupRows(0x0B8);
constexpr auto kCurrentShadow = BackupRows(0x13C);
constexpr auto kPreviousShadow = BackupRows(0x1A4);
constexpr auto kPreviousDifferential = BackupRows(0x1BC);

constexpr std::array<HeaderGroupSpec, kDatabaseLayoutGroups> kGroups{{
    {"Selected file details", kFileDetails},
    {"Database signature", kDatabaseSignature},
    {"Previous Full Backup Information", kPreviousFull},
    {"Previous incremental Backup Information", kPreviousIncremental},
    {"Current full Backup Information", kCurrentFull},
    {"Current shadow copy backup information", kCurrentShadow},
    {"Previous shadow copy backup information", kPreviousShadow},
    {"Previous differential backup information", kPreviousDifferential},
}};

constexpr std::size_t CountRows() {
    std::size_t rows = 0;
    for (const auto& group : kGroups) {
        rows += group.rows.size();
    }
    return rows;
}
static_assert(CountRows() == kDatabaseLayoutRows);

std::size_t WidthOf(FieldConversion conversion) {
    switch (conversion) {
    case DbTime:
        return kDbTimeSize;
    case LogTime:
        return kLogTimeSize;
    case LogPosition:
        return kLogPositionSize;
    default:
        return 4;
    }
}

} // namespace

std::span<const HeaderGroupSpec> DatabaseLayoutSpec() {
    return kGroups;
}

std::u16string FormatHeaderField(const HeaderRowSpec& row, const DatabaseHeader& header,
                                 std::u16string_view fileName) {
    const HeaderBlock block = header.Block(row.offset, WidthOf(row.conversion));
    switch (row.conversion) {
    case FileName:
        return std::u16string(fileName);
    case HexBytes:
        return FormatHexBytes(block);
    case Decimal:
        return FormatDecimal(block);
    case FileType:
        return FormatFileType(block);
    case DatabaseState:
        return FormatDatabaseState(block);
    case DbTime:
        return FormatDbTime(block);
    case LogTime:
        return FormatHeaderLogTime(block);
    case LogPosition:
        return FormatLogPosition(block);
    case Text:
        return header.TextAt(row.offset);
    }
    return {};
}

PropertyLayout BuildDatabaseLayout(std::u16string_view fileName, const DatabaseHeader& header) {
    PropertyLayout layout;
    layout.reserve(kGroups.size());
    for (const HeaderGroupSpec& group : kGroups) {
        PropertyGroup& out = layout.emplace_back(PropertyGroup{group.caption, {}});
        out.rows.reserve(group.rows.size());
        for (const HeaderRowSpec& row : group.rows) {
            out.rows.push_back(
                PropertyRow{row.caption, row.description, FormatHeaderField(row, header, fileName)});
        }
    }
    return layout;
}

} // namespace tarvelo
