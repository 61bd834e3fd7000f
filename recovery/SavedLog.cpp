#include "recovery/SavedLog.h"

#include "platform/os/File.h"
#include "platform/os/SystemError.h"
#include "reader/TextEncoding.h"

#include <cstdint>

namespace tarvelo {

namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";

std::span<const std::uint8_t> AsBytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace

std::string SavedLogBytes(std::span<const std::u16string> rows) {
    std::string out;
    AppendUtf16Le(out, kSavedLogHeader);
    AppendUtf16Le(out, kLineEnd);
    AppendUtf16Le(out, kLineEnd);
    for (const auto& row : rows) {
        AppendUtf16Le(out, row);
        AppendUtf16Le(out, kLineEnd);
    }
    return out;
}

SavedLogResult WriteSavedLog(const std::filesystem::path& path, std::span<const std::u16string> rows) {
    SavedLogResult result;
    os::File file = os::File::Open(path, os::OpenMode::CreateTruncate, result.error);
    if (!file.IsOpen()) {
        return result;
    }
    // One write per line, the header going out with the first line.
    std::string chunk;
    AppendUtf16Le(chunk, kSavedLogHeader);
    AppendUtf16Le(chunk, kLineEnd);
    AppendUtf16Le(chunk, kLineEnd);
    std::uint64_t at = 0;
    const auto put = [&]() {
        if (!file.WriteAt(at, AsBytes(chunk))) {
            result.error = "'" + Utf8FromPath(path) + "': " + os::LastErrorText();
            return false;
        }
        at += chunk.size();
        chunk.clear();
        return true;
    };
    for (const auto& row : rows) {
        AppendUtf16Le(chunk, row);
        AppendUtf16Le(chunk, kLineEnd);
        if (!put()) {
            return result;
        }
    }
    if ((!chunk.empty() && !put()) || !file.Close()) {
        if (result.error.empty()) {
            result.error = "'" + Utf8FromPath(path) + "': " + os::LastErrorText();
        }
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace tarvelo
