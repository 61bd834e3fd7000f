#include "platform/os/ProcessExit.h"

#include <gtest/gtest.h>

namespace tarvelo::os {
namespace {

std::uint32_t g_code = 0;
int g_calls = 0;

TEST(ProcessExit, HookReceivesTheCodeInsteadOfTerminating) {
    const ExitHook previous = SetExitHook([](std::uint32_t code) {
        g_code = code;
        ++g_calls;
    });
    EndProcess(0xFFFFFFFFu);
    SetExitHook(previous);
    EXPECT_EQ(g_calls, 1);
    EXPECT_EQ(g_code, 0xFFFFFFFFu);
}

TEST(ProcessExitDeathTest, TerminatesAtOnceWithTheLowByteOfTheCode) {
    EXPECT_EXIT(EndProcess(0xFFFFFFFFu), ::testing::ExitedWithCode(255), "");
}

} // namespace
} // namespace tarvelo::os
