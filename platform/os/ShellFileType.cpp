#include "platform/os/ShellFileType.h"

#ifdef _WIN32
#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>
#endif

namespace tarvelo::os {

std::optional<std::u16string> ShellTypeName(std::u16string_view fileName) {
#ifdef _WIN32
    // With SHGFI_USEFILEATTRIBUTES the shell answers from the name and the given attributes only.
    const std::wstring name(fileName.begin(), fileName.end());
    SHFILEINFOW info{};
    if (SHGetFileInfoW(name.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                       SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES) == 0 ||
        info.szTypeName[0] == L'\0') {
        return std::nullopt;
    }
    const std::wstring_view type(info.szTypeName);
    return std::u16string(type.begin(), type.end());
#else
    (void)fileName;
    return std::nullopt;
#endif
}

} // namespace tarvelo::os
