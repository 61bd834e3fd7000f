#include "recovery/TempFiles.h"

#include "tests/recovery/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <unistd.h>

namespace tarvelo {
namespace {

namespace fs = std::filesystem;

// Points the temporary folder at a test folder for the test's lifetime.
class TempFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* old = std::getenv("TMPDIR")) {
            saved_ = old;
        }
        temp_ = test::FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        ::setenv("TMPDIR", temp_.c_str(), 1);
    }
    void TearDown() override {
        if (saved_) {
            ::setenv("TMPDIR", saved_->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }
    fs::path temp_;
    std::optional<std::string> saved_;
};

TEST_F(TempFilesTest, NamesLieInTheTemporaryFolder) {
    EXPECT_EQ(RecordFilePath(), temp_ / "tmpMgntExBKF");
    EXPECT_EQ(ExtractionFolderPath(), temp_ / "ExngBKFTmp");
}

TEST_F(TempFilesTest, LeftoverExtractionFolderIsRemovedCompletely) {
    const fs::path folder = ExtractionFolderPath();
    fs::create_directories(folder / "a" / "b" / "c");
    test::WriteBytes(folder / "a" / "b" / "c" / "deep.edb", "x");
    test::WriteBytes(folder / "top.stm", "y");
    CleanUpExtractionFolder();
    EXPECT_FALSE(fs::exists(folder));
    CleanUpExtractionFolder(); // nothing there: nothing happens
}

TEST_F(TempFilesTest, LinksInsideAreRemovedWithoutTouchingTheirTargets) {
    const fs::path outside = test::FreshFolder("outside");
    fs::create_directories(outside / "sub");
    test::WriteBytes(outside / "sub" / "keep.txt", "keep");
    test::WriteBytes(outside / "file.txt", "keep");

    const fs::path folder = ExtractionFolderPath();
    fs::create_directories(folder / "inner");
    fs::create_directory_symlink(outside, folder / "dirlink");
    fs::create_directory_symlink(outside / "sub", folder / "inner" / "sublink");
    fs::create_symlink(outside / "file.txt", folder / "filelink");
    test::WriteBytes(folder / "copy.edb", "z");

    DeleteFolderContents(folder);
    EXPECT_TRUE(fs::exists(folder));
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_EQ(test::FileBytes(outside / "sub" / "keep.txt"), "keep");
    EXPECT_EQ(test::FileBytes(outside / "file.txt"), "keep");
}

TEST_F(TempFilesTest, ExtractionFolderThatIsALinkIsRemovedAsALink) {
    const fs::path outside = test::FreshFolder("outside2");
    test::WriteBytes(outside / "keep.txt", "keep");
    fs::create_directory_symlink(outside, ExtractionFolderPath());
    DeleteFolderContents(ExtractionFolderPath()); // a folder that is a link is not entered
    EXPECT_TRUE(fs::exists(outside / "keep.txt"));
    CleanUpExtractionFolder();
    EXPECT_FALSE(fs::exists(fs::symlink_status(ExtractionFolderPath())));
    EXPECT_TRUE(fs::exists(outside / "keep.txt"));
}

TEST_F(TempFilesTest, UnremovableEntriesAreSkippedAndTheRestGoesOn) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop root";
    }
    const fs::path folder = ExtractionFolderPath();
    fs::create_directories(folder / "locked");
    test::WriteBytes(folder / "locked" / "stuck.edb", "x");
    test::WriteBytes(folder / "free.edb", "y");
    fs::permissions(folder / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    CleanUpExtractionFolder();
    EXPECT_TRUE(fs::exists(folder / "locked" / "stuck.edb"));
    EXPECT_FALSE(fs::exists(folder / "free.edb"));
    fs::permissions(folder / "locked", fs::perms::owner_all);
}

} // namespace
} // namespace tarvelo
