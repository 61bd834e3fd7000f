#include "recovery/BackupFileFacts.h"

#include "platform/os/File.h"
#include "platform/os/FileTimes.h"
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

std::u16string DateText(std::time_t when) {
    const auto local = os::LocalTime(when);
    return local ? FileDateText(*local) : std::u16string();
}

} // namespace

std::u16string SizeText(std::uint64_t size) {
    char text[40];
    if (size <= 1024) {
        std::snprintf(text, sizeof text, "%llu(Bytes)", static_cast<unsigned long long>(size));
    } else {
        std::snprintf(text, sizeof text, "%llu(KB)", static_cast<unsigned long long>(size / 1024));
    }
    return Ascii(text);
}

std::u16string FileDateText(const std::tm& local) {
    char text[96];
    std::snprintf(text, sizeof text, "%02d/%02d/%d  %02d:%02d:%02d", local.tm_mon + 1, local.tm_mday,
                  local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
    return Ascii(text);
}

std::u16string ReadSizeText(const std::filesystem::path& backupFile) {
    std::string error;
    const os::File file = os::File::Open(backupFile, os::OpenMode::Read, error);
    const auto size = file.Size();
    return size ? SizeText(*size) : std::u16string();
}

std::optional<BackupFileDates> ReadDateTexts(const std::filesystem::path& backupFile) {
    const auto times = os::ReadFileTimes(backupFile);
    if (!times) {
        return std::nullopt;
    }
    BackupFileDates dates;
    if (times->created) {
        dates.texts[0] = DateText(*times->created);
    }
    dates.texts[1] = DateText(times->lastWrite);
    dates.texts[2] = DateText(times->lastAccess);
    return dates;
}

} // namespace tarvelo
