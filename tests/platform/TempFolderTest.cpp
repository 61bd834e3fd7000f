#include "platform/os/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace tarvelo::os {
namespace {

namespace fs = std::filesystem;

fs::path FreshBase(const std::string& name) {
    const fs::path base = fs::path(TARVELO_BINARY_DIR) / "tempfolder-test" / name;
    fs::remove_all(base);
    fs::create_directories(base);
    return base;
}

TEST(TempFolder, PrivateFolderIsCreatedForTheUserOnly) {
    const fs::path base = FreshBase("create");
    const TempFolderResult first = PrivateTempFolder(base);
    ASSERT_FALSE(first.folder.empty()) << first.error;
    EXPECT_EQ(first.folder.parent_path(), base);
    EXPECT_EQ(fs::status(first.folder).permissions() & fs::perms::all, fs::perms::owner_all);
    // A second call reuses it, and closes it again if someone opened it up.
    fs::permissions(first.folder, fs::perms::all);
    const TempFolderResult second = PrivateTempFolder(base);
    EXPECT_EQ(second.folder, first.folder);
    EXPECT_EQ(fs::status(first.folder).permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST(TempFolder, PlantedLinkOrFileIsRefused) {
    const fs::path linkBase = FreshBase("link");
    const fs::path name = PrivateTempFolder(FreshBase("probe")).folder.filename();
    fs::create_directory(linkBase / "elsewhere");
    fs::create_directory_symlink(linkBase / "elsewhere", linkBase / name);
    const TempFolderResult viaLink = PrivateTempFolder(linkBase);
    EXPECT_TRUE(viaLink.folder.empty());
    EXPECT_NE(viaLink.error.find("refused"), std::string::npos) << viaLink.error;

    const fs::path fileBase = FreshBase("file");
    std::ofstream(fileBase / name) << "x";
    EXPECT_TRUE(PrivateTempFolder(fileBase).folder.empty());
}

TEST(TempFolder, TmpdirWinsWhenSet) {
    const char* saved = std::getenv("TMPDIR");
    const std::string keep = saved != nullptr ? saved : "";
    ::setenv("TMPDIR", "/some/where", 1);
    EXPECT_EQ(UserTempFolder().folder, fs::path("/some/where"));
    ::setenv("TMPDIR", "", 1);
    EXPECT_NE(UserTempFolder().folder, fs::path(""));
    if (saved != nullptr) {
        ::setenv("TMPDIR", keep.c_str(), 1);
    } else {
        ::unsetenv("TMPDIR");
    }
}

} // namespace
} // namespace tarvelo::os
