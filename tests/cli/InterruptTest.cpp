#include "platform/os/Interrupt.h"

#include <gtest/gtest.h>

#include <csignal>

namespace tarvelo {
namespace {

TEST(InterruptTest, CtrlCClearsBothFlagsAndIsRemembered) {
    ScanControl control;
    control.running = 1;
    control.extracting = 1;
    os::ClearInterrupt();
    os::InstallInterruptHandler(control);
    ASSERT_FALSE(os::Interrupted());
#ifdef _WIN32
    os::RequestInterrupt(); // what the console control handler does
#else
    std::raise(SIGINT); // would end the test process without the handler
#endif
    EXPECT_TRUE(os::Interrupted());
    EXPECT_EQ(control.running.load(), 0);
    EXPECT_EQ(control.extracting.load(), 0);
    os::ClearInterrupt();
    EXPECT_FALSE(os::Interrupted());
}

} // namespace
} // namespace tarvelo
