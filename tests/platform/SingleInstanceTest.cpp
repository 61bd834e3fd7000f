#include "platform/os/SingleInstance.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvelo::os {
namespace {

namespace fs = std::filesystem;

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tarvelo-instance-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string folder_;
    const std::string name_ = kSingleInstanceName;
};

TEST_F(SingleInstanceTest, FirstHoldsAndSecondIsRefusedUntilReleased) {
    {
        SingleInstance first(name_, folder_);
        ASSERT_EQ(first.State(), InstanceState::kFirst);
        SingleInstance second(name_, folder_);
        EXPECT_EQ(second.State(), InstanceState::kAlreadyRunning);
    }
    SingleInstance again(name_, folder_);
    EXPECT_EQ(again.State(), InstanceState::kFirst);
}

TEST_F(SingleInstanceTest, AnotherProcessIsRefused) {
    SingleInstance first(name_, folder_);
    ASSERT_EQ(first.State(), InstanceState::kFirst);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SingleInstance second(name_, folder_);
        ::_exit(second.State() == InstanceState::kAlreadyRunning ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(SingleInstanceTest, LockFileIsOpenableByEveryUserDespiteTheUmask) {
    const mode_t old = ::umask(077);
    SingleInstance first(name_, folder_);
    ::umask(old);
    ASSERT_EQ(first.State(), InstanceState::kFirst);
    struct stat info {};
    ASSERT_EQ(::stat(first.LockPath().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666u);
    EXPECT_EQ(fs::path(first.LockPath()).filename().string(), "Global_{QUORINTARVELO2912}.lock");
}

TEST_F(SingleInstanceTest, PlantedLinkOrFifoIsNotFollowedOrTrusted) {
    const fs::path victim = fs::path(folder_) / "victim";
    std::ofstream(victim) << "keep";
    const fs::path lock = fs::path(folder_) / SingleInstance::LockFileName(name_);
    fs::create_symlink(victim, lock);
    {
        SingleInstance instance(name_, folder_);
        EXPECT_EQ(instance.State(), InstanceState::kUnknown);
    }
    EXPECT_EQ(fs::file_size(victim), 4u);
    fs::remove(lock);
    ASSERT_EQ(::mkfifo(lock.c_str(), 0666), 0);
    SingleInstance fifo(name_, folder_); // must not hang in open
    EXPECT_EQ(fifo.State(), InstanceState::kUnknown);
}

TEST(SingleInstanceName, OnlySafeCharactersReachTheFileName) {
    EXPECT_EQ(SingleInstance::LockFileName("Global\\{A-1}"), "Global_{A-1}.lock");
    EXPECT_EQ(SingleInstance::LockFileName("../x/y"), "___x_y.lock");
}

} // namespace
} // namespace tarvelo::os
