#include "platform/os/CommandLine.h"

#ifdef _WIN32
#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include "reader/TextEncoding.h"

#include <shellapi.h>
#endif

namespace tarvelo::os {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide != nullptr) {
        std::vector<std::string> out;
        out.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            const std::wstring_view arg(wide[i]);
            out.push_back(Utf16ToUtf8(std::u16string(arg.begin(), arg.end())));
        }
        LocalFree(wide);
        return out;
    }
#endif
    return std::vector<std::string>(argv, argv + argc);
}

} // namespace tarvelo::os
