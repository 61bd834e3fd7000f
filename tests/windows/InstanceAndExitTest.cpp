// The named kernel mutex that keeps the program to one instance, and ending the process at once.
// Death tests on Windows start this executable again as a new process, so they also show what
// another process sees.
#include "platform/os/ProcessExit.h"
#include "platform/os/SingleInstance.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace tarvelo::os {
namespace {

TEST(SingleInstance, SecondCreationFindsTheMutexUntilEveryHandleIsClosed) {
    {
        const SingleInstance first;
        ASSERT_EQ(first.State(), InstanceState::kFirst);
        const SingleInstance second; // the mutex exists already: last error 183
        EXPECT_EQ(second.State(), InstanceState::kAlreadyRunning);
        const SingleInstance other("Global\\{QUORINTARVELO2912-other}");
        EXPECT_EQ(other.State(), InstanceState::kFirst);
    }
    const SingleInstance again;
    EXPECT_EQ(again.State(), InstanceState::kFirst);
}

TEST(SingleInstanceDeathTest, AnotherProcessIsRefused) {
    // In the child process started for the death test, this is the second creation.
    const SingleInstance instance;
    EXPECT_EXIT(EndProcess(instance.State() == InstanceState::kAlreadyRunning ? 0u : 1u),
                ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(instance.State(), InstanceState::kFirst);
}

void SayAtExit() {
    std::fputs("normal shutdown ran\n", stderr);
}

TEST(ProcessExitDeathTest, EndsWithTheWholeCodeAndWithoutNormalShutdown) {
    EXPECT_EXIT(
        {
            std::atexit(SayAtExit);
            EndProcess(0xFFFFFFFFu);
        },
        ::testing::ExitedWithCode(-1), ::testing::Not(::testing::HasSubstr("normal shutdown ran")));
}

} // namespace
} // namespace tarvelo::os
