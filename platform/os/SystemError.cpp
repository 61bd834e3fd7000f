#include "platform/os/SystemError.h"

#ifdef _WIN32
#include "reader/TextEncoding.h"

#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#endif

namespace tarvelo::os {

std::string LastErrorText() {
#ifdef _WIN32
    const DWORD code = GetLastError();
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::u16string text;
    if (length != 0 && buffer != nullptr) {
        text.assign(buffer, buffer + length);
        LocalFree(buffer);
    }
    while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r' || text.back() == u'.')) {
        text.pop_back();
    }
    return text.empty() ? "error " + std::to_string(code) : Utf16ToUtf8(text);
#else
    return std::strerror(errno);
#endif
}

} // namespace tarvelo::os
