#include "cli/TextOutput.h"

#include "cli/ProgressBar.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tarvelo::cli {
namespace {

using namespace std::chrono_literals;

TEST(TextOutputTest, SizesInReadableUnits) {
    const std::pair<std::uint64_t, const char*> cases[] = {
        {0, "0 B"},
        {1023, "1023 B"},
        {1024, "1.0 KiB"},
        {1536, "1.5 KiB"},
        {5u << 20, "5.0 MiB"},
        {(6ull << 30) + (1ull << 29), "6.5 GiB"},
        {18446744073709551615u, "16.0 EiB"},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(FormatSize(bytes), text) << bytes;
    }
}

TEST(TextOutputTest, TableRowsAlignAndNeverCarryControlCharacters) {
    EXPECT_EQ(FileTableHeading(), "  Record       Size  Path");
    EXPECT_EQ(FileTableRow(1, 4096, u"S\\priv1.edb"), "       1    4.0 KiB  S\\priv1.edb");
    EXPECT_EQ(FileTableRow(123456789, 0, u"x"), "123456789        0 B  x");
    const std::string row =
        FileTableRow(2, 1, u"evil\x1b]0;title\x07\u009b" + std::u16string(1, char16_t{0xD800}));
    EXPECT_EQ(row.find('\x1b'), std::string::npos);
    EXPECT_EQ(row.find('\x07'), std::string::npos);
    EXPECT_NE(row.find("evil\xEF\xBF\xBD]0;title\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"), std::string::npos);
}

TEST(TextOutputTest, SummaryLine) {
    EXPECT_EQ(ScanSummary(12, 4u << 20, 2s), "12 files found, 4.0 MiB scanned in 2.00 s (2.0 MiB/s)");
    EXPECT_EQ(ScanSummary(1, 10, 0s), "1 file found, 10 B scanned in 0.00 s");
}

TEST(ProgressBarTest, LineShowsPercentSpeedFilesAndTimeLeft) {
    EXPECT_EQ(ProgressLine(0, 100, 0, 0s), "[--------------------]   0.0%  0 files");
    EXPECT_EQ(ProgressLine(50u << 20, 100u << 20, 7, 10s),
              "[##########----------]  50.0%  5.0 MiB/s  7 files  0:10 left");
    EXPECT_EQ(ProgressLine(1, 7200, 1, 1s), "[--------------------]   0.0%  1 B/s  1 file  1:59:59 left");
    EXPECT_EQ(ProgressLine(5, 0, 0, 0s), "[####################] 100.0%  0 files");
    EXPECT_EQ(ProgressLine(9999, 10000, 0, 0s), "[###################-]  99.9%  0 files");
}

TEST(ProgressBarTest, DrawsOnlyWhenEnabledAndErasesItself) {
    std::ostringstream off;
    {
        ProgressBar bar(off, false);
        bar.Update(1, 2, 0);
    }
    EXPECT_EQ(off.str(), "");

    std::ostringstream on;
    {
        ProgressBar bar(on, true);
        bar.Update(1, 2, 3);
        bar.Update(2, 2, 3); // within the redraw interval: skipped
    }
    const std::string text = on.str();
    EXPECT_EQ(text.rfind("\r[##########----------]  50.0%", 0), 0u);
    EXPECT_EQ(text.find("100.0%"), std::string::npos);
    EXPECT_EQ(text.back(), '\r'); // erased at the end
}

} // namespace
} // namespace tarvelo::cli
