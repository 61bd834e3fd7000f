// POSIX behaviour of the file layer: links are refused or removed as themselves, never followed.
#include "platform/os/File.h"

#include "platform/os/FileSystem.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>

namespace tarvelo::os {
namespace {

namespace fs = std::filesystem;

fs::path FreshFolder(const std::string& name) {
    const fs::path folder = fs::path(TARVELO_BINARY_DIR) / "platform-test" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

TEST(File, WritesAndReadsAtPositions) {
    const fs::path folder = FreshFolder("rw");
    std::string error;
    File file = File::Open(folder / "f", OpenMode::CreateTruncateNoFollow, error);
    ASSERT_TRUE(file.IsOpen()) << error;
    const std::array<std::uint8_t, 3> abc{'a', 'b', 'c'};
    ASSERT_TRUE(file.WriteAt(0, abc));
    ASSERT_TRUE(file.WriteAt(5, abc));
    EXPECT_EQ(file.Size(), 8u);
    std::array<std::uint8_t, 10> buffer{};
    EXPECT_EQ(file.ReadAt(4, buffer), 4u); // short at the end of the file
    EXPECT_EQ(buffer[1], 'a');
    EXPECT_EQ(file.ReadAt(100, buffer), 0u);
    EXPECT_TRUE(file.Close());
    EXPECT_FALSE(file.ReadAt(0, buffer).has_value());

    // Opening again truncates.
    file = File::Open(folder / "f", OpenMode::CreateTruncateNoFollow, error);
    EXPECT_EQ(file.Size(), 0u);
}

TEST(File, NoFollowRefusesLinksAndLeavesTheirTargetsAlone) {
    const fs::path folder = FreshFolder("nofollow");
    const fs::path victim = folder / "victim";
    std::ofstream(victim) << "precious";
    fs::create_symlink(victim, folder / "link");
    fs::create_symlink(folder / "nowhere", folder / "dangling");
    fs::create_directory(folder / "dir");

    for (const char* name : {"link", "dangling", "dir"}) {
        std::string error;
        const File file = File::Open(folder / name, OpenMode::CreateTruncateNoFollow, error);
        EXPECT_FALSE(file.IsOpen()) << name;
        EXPECT_NE(error.find(name), std::string::npos) << error;
    }
    EXPECT_EQ(Contents(victim), "precious");
    EXPECT_FALSE(fs::exists(folder / "nowhere"));
}

TEST(File, CreateNewRefusesAnythingAlreadyThere) {
    const fs::path folder = FreshFolder("new");
    std::ofstream(folder / "taken") << "x";
    fs::create_symlink(folder / "target", folder / "link");
    std::string error;
    EXPECT_FALSE(File::Open(folder / "taken", OpenMode::CreateNew, error).IsOpen());
    EXPECT_FALSE(File::Open(folder / "link", OpenMode::CreateNew, error).IsOpen());
    EXPECT_FALSE(fs::exists(folder / "target"));
    EXPECT_TRUE(File::Open(folder / "fresh", OpenMode::CreateNew, error).IsOpen());
}

TEST(FileSystem, RemoveEntryRemovesTheLinkNotItsTarget) {
    const fs::path folder = FreshFolder("remove");
    fs::create_directory(folder / "target");
    std::ofstream(folder / "target" / "keep") << "x";
    fs::create_directory_symlink(folder / "target", folder / "link");
    EXPECT_TRUE(IsLink(folder / "link"));
    EXPECT_FALSE(IsRealFolder(folder / "link"));
    EXPECT_TRUE(IsRealFolder(folder / "target"));
    EXPECT_TRUE(RemoveEntry(folder / "link"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "link")));
    EXPECT_TRUE(fs::exists(folder / "target" / "keep"));
    EXPECT_FALSE(RemoveEntry(folder / "target")); // not empty
    EXPECT_FALSE(RemoveEntry(folder / "missing"));
}

TEST(FileSystem, MoveFileOverMovesOverAnExistingFile) {
    const fs::path folder = FreshFolder("replace");
    std::ofstream(folder / "old") << "old";
    std::ofstream(folder / "new") << "new";
    EXPECT_TRUE(MoveFileOver(folder / "new", folder / "old"));
    EXPECT_EQ(Contents(folder / "old"), "new");
    EXPECT_FALSE(fs::exists(folder / "new"));
}

} // namespace
} // namespace tarvelo::os
