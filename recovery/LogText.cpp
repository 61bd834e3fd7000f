#include "recovery/LogText.h"

#include "dbheader/PathText.h"
#include "platform/os/LocalTime.h"

#include <cstdio>

namespace tarvelo {

namespace {

std::u16string Ascii(const char* text) {
    std::u16string out;
    for (; *text != '\0'; ++text) {
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(*text)));
    }
    return out;
}

std::u16string Join(std::u16string_view a, std::u16string_view b, std::u16string_view c = {}) {
    std::u16string out;
    out.reserve(a.size() + b.size() + c.size());
    out.append(a).append(b).append(c);
    return out;
}

} // namespace

std::u16string FormatLogTime(const std::tm& local) {
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (local.tm_mon < 0 || local.tm_mon > 11) {
        return {};
    }
    const int hour12 = local.tm_hour % 12 == 0 ? 12 : local.tm_hour % 12;
    char text[128];
    const int length = std::snprintf(text, sizeof text, "%s-%02d-%04d(%02d-%02d-%02d-%s)",
                                     kMonths[local.tm_mon], local.tm_mday, local.tm_year + 1900, hour12,
                                     local.tm_min, local.tm_sec, local.tm_hour < 12 ? "AM" : "PM");
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof text) {
        return {};
    }
    return Ascii(text);
}

std::u16string FormatLogTime() {
    const auto local = os::LocalTime(std::time(nullptr));
    return local ? FormatLogTime(*local) : std::u16string();
}

LogLines OpenLogLines(std::u16string_view backupPath, std::u16string_view sizeText,
                      std::u16string_view time) {
    return {u"", Join(backupPath, u" File is selected for recovery...."),
            u"", Join(u"Exchange Backup file size is: ", sizeText),
            u"", Join(u"Exchange Backup file Recovery process starts.  ", time),
            u""};
}

std::u16string FileFoundLogLine(std::u16string_view displayPath, std::uint32_t dataSize) {
    char size[16];
    std::snprintf(size, sizeof size, "%d ", static_cast<std::int32_t>(dataSize));
    return Join(FileNameOfPath(displayPath), u"  file found.          File Size(Bytes): ", Ascii(size));
}

LogLines ScanEndLogLines(std::uint32_t foundFiles, std::u16string_view time) {
    return {u"", Join(u"Number of Recovered files: ", Ascii(std::to_string(foundFiles).c_str())), u"",
            Join(u"Quorin Tarvelo process completed.  ", time)};
}

LogLines SnapshotLoadStartLogLines(std::u16string_view snapshotPath, std::u16string_view time) {
    return {
        u"",
        Join(snapshotPath, u" File is selected for Exchange Backup Load Recovery Snapshot....     ", time),
        u""};
}

LogLines SnapshotLoadDoneLogLines(std::u16string_view backupPath, std::u16string_view time) {
    return {u"", Join(u"BKF file name:  ", backupPath),
            Join(u"Loading of Exchange Backup file snapshot has been completed.     ", time)};
}

LogLines SnapshotSaveStartLogLines(std::u16string_view snapshotPath, std::u16string_view time) {
    return {u"", Join(snapshotPath, u" file is saving for Tarvelo Snapshot.    ", time), u""};
}

LogLines SnapshotSaveDoneLogLines(std::u16string_view time) {
    return {Join(u"Saving of Tarvelo Snapshot has been completed successfully.    ", time), u""};
}

} // namespace tarvelo
