#include "tools/bkfgen/DemoBackup.h"

#include "tests/tools/StreamWalk.h"
#include "tools/bkfgen/LittleEndian.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace tarvelo::bkfgen {
namespace {

std::string Demo(BackupLayout& layout) {
    std::string bytes;
    StringOutput output(bytes);
    layout = WriteDemoBackup(output);
    return bytes;
}

TEST(DemoBackup, HoldsTheStorageGroupFilesOfBothSets) {
    BackupLayout layout;
    const std::string bytes = Demo(layout);
    std::vector<std::u16string> paths;
    for (const auto& entry : layout.entries) {
        paths.push_back(entry.path);
    }
    const std::u16string data = u"C\\Program Files\\Exchsrvr\\mdbdata\\";
    const std::u16string full = u"BKFSET1(Full backupADMIN)" + data;
    const std::u16string incremental = u"BKFSET2(Incremental backupADMIN)" + data;
    const std::vector<std::u16string> expected = {full + u"priv1.edb",
                                                  full + u"priv1.stm",
                                                  full + u"pub1.edb",
                                                  full + u"pub1.stm",
                                                  full + u"E00.chk",
                                                  full + u"Logs\\E00.log",
                                                  full + u"Logs\\E0000029.log",
                                                  incremental + u"Logs\\E00.log",
                                                  incremental + u"Logs\\E000002A.log"};
    EXPECT_EQ(paths, expected);
    EXPECT_EQ(layout.size, bytes.size());
    EXPECT_TRUE(test::WalkStream(bytes).faults.empty());
}

TEST(DemoBackup, DatabasesStartWithPlausibleHeaders) {
    BackupLayout layout;
    const std::string bytes = Demo(layout);
    for (const auto& entry : layout.entries) {
        const std::u16string& name = entry.name;
        const bool edb = name.ends_with(u".edb");
        if (!edb && !name.ends_with(u".stm")) {
            continue;
        }
        const auto at = static_cast<std::size_t>(entry.dataOffset);
        EXPECT_EQ(bytes.substr(at + 4, 4), "\xEF\xCD\xAB\x89");
        EXPECT_EQ(GetLe32(bytes, at + 8), 0x620u);
        EXPECT_EQ(GetLe32(bytes, at + 12), edb ? 0u : 1u) << "file type word";
        EXPECT_EQ(GetLe32(bytes, at + 52), 3u) << "clean shutdown";
        EXPECT_EQ(GetLe32(bytes, at + 236), 4096u);
    }
}

TEST(DemoBackup, FileCommandRecognisesTheBackup) {
#ifdef _WIN32
    GTEST_SKIP() << "the file command is a POSIX tool";
#else
    if (std::system("command -v file >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "the file command is not installed";
    }
    const auto path = std::filesystem::temp_directory_path() / "bkfgen-demo-file-test.bkf";
    {
        FileOutput output(path);
        WriteDemoBackup(output);
    }
    const std::string command = "file -b '" + path.string() + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe);
    std::string text;
    std::array<char, 256> buffer{};
    while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe.get()) != nullptr) {
        text += buffer.data();
    }
    std::filesystem::remove(path);
    EXPECT_NE(text.find("Windows NTbackup archive"), std::string::npos) << text;
#endif
}

} // namespace
} // namespace tarvelo::bkfgen
