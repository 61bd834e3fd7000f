#include "recovery/LogText.h"

#include "reader/TextEncoding.h"
#include "recovery/BackupFileFacts.h"
#include "tests/recovery/TestFolder.h"

#include <gtest/gtest.h>

#include <clocale>
#include <regex>

namespace tarvelo {
namespace {

std::tm Time(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

TEST(LogText, LogTimeIsTwelveHourWithEnglishMonth) {
    struct Case {
        std::tm time;
        const char* expected;
    };
    const Case cases[] = {
        {Time(2024, 3, 7, 21, 5, 3), "Mar-07-2024(09-05-03-PM)"},
        {Time(2009, 1, 31, 0, 0, 0), "Jan-31-2009(12-00-00-AM)"},
        {Time(2010, 12, 1, 12, 59, 59), "Dec-01-2010(12-59-59-PM)"},
        {Time(1999, 9, 9, 11, 1, 2), "Sep-09-1999(11-01-02-AM)"},
    };
    // The month stays English whatever locale the program runs under.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    for (const Case& c : cases) {
        EXPECT_EQ(Utf16ToUtf8(FormatLogTime(c.time)), c.expected);
    }
    std::setlocale(LC_ALL, "C");
    EXPECT_TRUE(std::regex_match(Utf16ToUtf8(FormatLogTime()),
                                 std::regex(R"([A-Z][a-z]{2}-\d\d-\d{4}\(\d\d-\d\d-\d\d-(AM|PM)\))")));
}

TEST(LogText, SizeAndDateTexts) {
    const std::pair<std::uint64_t, const char*> sizes[] = {
        {0, "0(Bytes)"}, {512, "512(Bytes)"}, {1024, "1024(Bytes)"},          {1025, "1(KB)"},
        {2047, "1(KB)"}, {65536, "64(KB)"},   {5368709127ULL, "5242880(KB)"},
    };
    for (const auto& [size, text] : sizes) {
        EXPECT_EQ(Utf16ToUtf8(SizeText(size)), text) << size;
    }
    EXPECT_EQ(Utf16ToUtf8(FileDateText(Time(2024, 3, 7, 21, 5, 3))), "03/07/2024  21:05:03");

    const auto folder = test::FreshFolder("facts");
    test::WriteBytes(folder / "b.bkf", std::string(2047, 'x'));
    EXPECT_EQ(Utf16ToUtf8(ReadSizeText(folder / "b.bkf")), "1(KB)");
    EXPECT_EQ(ReadSizeText(folder / "missing.bkf"), u"");
    const auto dates = ReadDateTexts(folder / "b.bkf");
    ASSERT_TRUE(dates.has_value());
    const std::regex date(R"(\d\d/\d\d/\d{4}  \d\d:\d\d:\d\d)");
    EXPECT_TRUE(std::regex_match(Utf16ToUtf8(dates->texts[1]), date)) << Utf16ToUtf8(dates->texts[1]);
    EXPECT_TRUE(std::regex_match(Utf16ToUtf8(dates->texts[2]), date));
    EXPECT_FALSE(ReadDateTexts(folder / "missing.bkf").has_value());
}

TEST(LogText, LinesOfEachWriter) {
    const std::u16string t = u"Mar-07-2024(09-05-03-PM)";
    EXPECT_EQ(OpenLogLines(u"C:\\b.bkf", u"64(KB)", t),
              (LogLines{u"", u"C:\\b.bkf File is selected for recovery....", u"",
                        u"Exchange Backup file size is: 64(KB)", u"",
                        u"Exchange Backup file Recovery process starts.  Mar-07-2024(09-05-03-PM)", u""}));
    EXPECT_EQ(FileFoundLogLine(u"SET\\C\\priv1.edb", 5000),
              u"priv1.edb  file found.          File Size(Bytes): 5000 ");
    EXPECT_EQ(FileFoundLogLine(u"nobackslash", 0xFFFFFFFFu), u"  file found.          File Size(Bytes): -1 ");
    EXPECT_EQ(ScanEndLogLines(12, t),
              (LogLines{u"", u"Number of Recovered files: 12", u"",
                        u"Quorin Tarvelo process completed.  Mar-07-2024(09-05-03-PM)"}));
    EXPECT_EQ(
        SnapshotLoadStartLogLines(u"s.TARVSNAPQUORIN", t),
        (LogLines{u"",
                  u"s.TARVSNAPQUORIN File is selected for Exchange Backup Load Recovery Snapshot....     "
                  u"Mar-07-2024(09-05-03-PM)",
                  u""}));
    EXPECT_EQ(
        SnapshotLoadDoneLogLines(u"C:\\b.bkf", t),
        (LogLines{
            u"", u"BKF file name:  C:\\b.bkf",
            u"Loading of Exchange Backup file snapshot has been completed.     Mar-07-2024(09-05-03-PM)"}));
    EXPECT_EQ(SnapshotSaveStartLogLines(u"s", t),
              (LogLines{u"", u"s file is saving for Tarvelo Snapshot.    Mar-07-2024(09-05-03-PM)", u""}));
    EXPECT_EQ(
        SnapshotSaveDoneLogLines(t),
        (LogLines{u"Saving of Tarvelo Snapshot has been completed successfully.    Mar-07-2024(09-05-03-PM)",
                  u""}));
}

} // namespace
} // namespace tarvelo
