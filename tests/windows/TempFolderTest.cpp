// The user's temporary folder as the system names it: the record file's and the extraction folder's
// names are appended to it directly, so it must end with a separator; it may hold any character.
#include "platform/os/TempFolder.h"

#include "reader/TextEncoding.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace tarvelo::os {
namespace {

// Sets a variable of the process environment (the one GetTempPathW reads) for one scope.
class ScopedVariable {
public:
    ScopedVariable(const wchar_t* name, const std::wstring& value) : name_(name) {
        if (const wchar_t* old = _wgetenv(name)) {
            old_ = old;
            hadOld_ = true;
        }
        _wputenv_s(name, value.c_str());
    }
    ~ScopedVariable() { _wputenv_s(name_, hadOld_ ? old_.c_str() : L""); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const wchar_t* name_;
    std::wstring old_;
    bool hadOld_ = false;
};

TEST(TempFolder, SystemFolderEndsWithASeparatorAndExists) {
    const TempFolderResult temp = UserTempFolder();
    ASSERT_FALSE(temp.folder.empty()) << temp.error;
    EXPECT_TRUE(temp.folder.is_absolute());
    EXPECT_EQ(temp.folder.native().back(), L'\\');
    EXPECT_TRUE(std::filesystem::is_directory(temp.folder));
}

TEST(TempFolder, FolderWithCharactersOutsideTheCodePageIsKept) {
    const auto folder = PathFromUtf8(TARVELO_BINARY_DIR) / PathFromUtf16(u"Temp ü 临时");
    std::filesystem::create_directories(folder);
    const std::wstring wanted = std::filesystem::absolute(folder).make_preferred().native();
    {
        const ScopedVariable tmp(L"TMP", wanted);
        const TempFolderResult temp = UserTempFolder();
        ASSERT_FALSE(temp.folder.empty()) << temp.error;
        EXPECT_EQ(temp.folder.native(), wanted + L"\\");
    }
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace tarvelo::os
