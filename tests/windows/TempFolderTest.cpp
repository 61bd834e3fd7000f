// The user's temporary folder as the system names it: the record file's and the extraction folder's
// names are appended to it directly, so it must end with a separator; it may hold any character.
#include "platform/os/TempFolder.h"

#include "reader/TextEncoding.h"
#include "tests/windows/ScopedVariable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tarvelo::os {
namespace {

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
        const test::ScopedVariable tmp(L"TMP", wanted);
        const TempFolderResult temp = UserTempFolder();
        ASSERT_FALSE(temp.folder.empty()) << temp.error;
        EXPECT_EQ(temp.folder.native(), wanted + L"\\");
    }
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace tarvelo::os
