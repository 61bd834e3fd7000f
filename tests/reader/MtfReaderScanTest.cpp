#include "reader/MtfReader.h"
#include "reader/TextEncoding.h"
#include "tests/reader/RecordingSink.h"
#include "tests/reader/TestBytes.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tarvelo {
namespace {

using namespace std::string_view_literals;
using test::Le;
using test::RecordingSink;
using test::TestBytes;

struct ScanOutcome {
    ScanResult result;
    std::vector<test::ScanEvent> events;
    int runningAfter;
    [[nodiscard]] std::vector<FileRecord> Files() const { return test::FilesOf(events); }
};

ScanOutcome ScanBytes(const TestBytes& bytes, std::size_t stopAfter = SIZE_MAX) {
    ScanControl control;
    control.running = 1;
    RecordingSink sink(&control, stopAfter);
    MtfReader reader(control, sink);
    const ScanResult result = reader.Scan(std::make_unique<MemoryByteSource>(bytes.Bytes()));
    return {result, sink.events, control.running.load()};
}

std::vector<std::string> Paths(const ScanOutcome& outcome) {
    std::vector<std::string> paths;
    for (const auto& file : outcome.Files()) {
        paths.push_back(Utf16ToUtf8(file.Path()));
    }
    return paths;
}

TEST(Scan, ReportsAFileWithItsDisplayPathAndAnOtherwiseZeroRecord) {
    TestBytes bytes;
    test::PutSet(bytes, 1024, 1, u"Full backup", u"ADMIN");
    test::PutVolume(bytes, 2048, u"C:");
    test::PutDirectory(bytes, 3072, Le(u"Data\0Logs\0"sv));
    test::PutEntry(bytes, 4096, Le(u"priv1.edb"), 5000);
    const ScanOutcome outcome = ScanBytes(bytes);
    EXPECT_EQ(outcome.result, ScanResult::Completed);
    const auto files = outcome.Files();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(Utf16ToUtf8(files[0].Path()), "BKFSET1(Full backupADMIN)C\\Data\\Logs\\priv1.edb");
    EXPECT_EQ(files[0].EntryOffset(), 4096u);
    EXPECT_EQ(files[0].DataSize(), 5000u);
    FileRecord expected;
    expected.SetPath(files[0].Path());
    expected.SetEntryOffset(4096);
    expected.SetDataSize(5000);
    EXPECT_EQ(files[0], expected); // reserved, both texts and the padding are zero
}

TEST(Scan, EmptyFileSendsNothingAndATaglessFileReportsEveryWindow) {
    EXPECT_TRUE(ScanBytes(TestBytes()).events.empty());

    // 5000 bytes: length / 10000 is 0, so every check reports.
    const auto progress = test::ProgressOf(ScanBytes(TestBytes(5000)).events);
    const std::vector<ProgressRecord> expected = {
        {1020, 5000}, {2040, 5000}, {3060, 5000}, {4080, 5000}, {5100, 5000}};
    EXPECT_EQ(progress, expected);
}

TEST(Scan, ContextFollowsTheLastAcceptedBlocksOfEachKind) {
    TestBytes bytes;
    test::PutEntry(bytes, 0, Le(u"a"), 0);
    test::PutSet(bytes, 1000, 1, u"One", u"");
    test::PutSet(bytes, 2000, 2, u"Two", u"");
    test::PutSet(bytes, 3000, 3, u"A/B:C", u"");
    test::PutVolume(bytes, 4000, u"E:");
    test::PutDirectory(bytes, 5000, Le(u"Dir\0"sv));
    test::PutEntry(bytes, 6000, Le(u"b"), 0);
    test::PutSet(bytes, 7000, 4, u"Damaged", std::u16string(61, u'u'), 1, 1); // ignored
    test::PutEntry(bytes, 8000, Le(u"c"), 0);
    test::PutSet(bytes, 9000, 5, u"Five", u"");                 // keeps volume and directory
    bytes.Raw(10000, "FILE").Raw(10004, std::string(52, '\0')); // never recognised
    test::PutEntry(bytes, 11000, Le(u"d"), 0);
    const std::vector<std::string> expected = {"(null)a", "BKFSET3(A_B_C)E\\Dir\\b",
                                               "BKFSET3(A_B_C)E\\Dir\\c", "BKFSET5(Five)E\\Dir\\d"};
    EXPECT_EQ(Paths(ScanBytes(bytes)), expected);
}

TEST(Scan, SearchResumesAfterEntryDataLessItsLastBytes) {
    TestBytes bytes;
    test::PutEntry(bytes, 0, Le(u"big"), 1000);
    // The search resumes at 0 + D + 1 = 1001: an entry before that is hidden, one after is found.
    test::PutEntry(bytes, 500, Le(u"hidden"), 0, false);
    test::PutEntry(bytes, 1001, Le(u"seen"), 0, false);
    EXPECT_EQ(Paths(ScanBytes(bytes)), (std::vector<std::string>{"(null)big", "(null)seen"}));
}

TEST(Scan, DamagedLengthsNeverStopTheSearch) {
    TestBytes bytes;
    // Negative D: reported with the low 32 bits, search on one byte after the tag.
    bytes.Raw(0, "ETED").Le64(8, 2).Le32(22, 2).Raw(26, "n\0");
    // Name longer than 1024 bytes: not reported, search on two bytes after the tag.
    bytes.Raw(40, "ETED").Le64(48, 4 + 1025).Le32(62, 1025);
    test::PutEntry(bytes, 42, Le(u"after"), 0, false);
    const auto files = ScanBytes(bytes).Files();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].DataSize(), 0xFFFFFFFCu); // D = -4
    EXPECT_EQ(Utf16ToUtf8(files[1].Path()), "(null)after");

    // A length that points past any file offset ends the scan after the entry is reported.
    TestBytes huge;
    huge.Raw(0, "ETED").Le64(8, (std::uint64_t{1} << 63) + 5).Le32(22, 18);
    test::PutEntry(huge, 100, Le(u"never"), 0);
    const auto outcome = ScanBytes(huge);
    EXPECT_EQ(outcome.Files().size(), 1u);
    EXPECT_EQ(outcome.result, ScanResult::Completed);
}

TEST(Scan, CatalogueIsSkippedToItsLastContinuingEntry) {
    TestBytes bytes;
    bytes.Raw(0, "TFDD")
        .Le16(22, 40)
        .Raw(24, "VOLB")
        .Le16(62, 50)
        .Raw(64, "DIRB")
        .Le16(112, 36)
        .Raw(114, "FEND");
    test::PutEntry(bytes, 30, "", 0, false); // inside the first entry: skipped with the catalogue
    test::PutEntry(bytes, 300, Le(u"after"), 0);
    EXPECT_EQ(Paths(ScanBytes(bytes)), (std::vector<std::string>{"(null)after"}));

    bytes.Le16(62, 0); // a zero-length entry fails the walk: the search goes on two bytes after the tag
    EXPECT_EQ(Paths(ScanBytes(bytes)), (std::vector<std::string>{"(null)", "(null)after"}));
}

TEST(Scan, TagsAtWindowEdgesAreFoundOnce) {
    for (std::size_t at = 1012; at <= 1030; ++at) {
        TestBytes bytes(3000);
        test::PutEntry(bytes, at, Le(u"x"), 0);
        EXPECT_EQ(ScanBytes(bytes).Files().size(), 1u) << at;
    }
}

TEST(Scan, StopAfterAFileEndsTheScanAndClearsTheFlag) {
    TestBytes bytes;
    for (std::size_t i = 0; i < 5; ++i) {
        test::PutEntry(bytes, i * 100, Le(u"f"), 0);
    }
    const ScanOutcome outcome = ScanBytes(bytes, 1);
    EXPECT_EQ(outcome.result, ScanResult::Stopped);
    EXPECT_EQ(outcome.events.size(), 1u);
    EXPECT_EQ(outcome.runningAfter, 0);

    // Stop during a progress report: nothing more is sent.
    const ScanOutcome tagless = ScanBytes(TestBytes(50000), 2);
    EXPECT_EQ(tagless.result, ScanResult::Stopped);
    EXPECT_EQ(tagless.events.size(), 2u);
}

TEST(Scan, OpensByPathOnceAndReportsAFileThatCannotBeOpened) {
    ScanControl control;
    control.running = 1;
    RecordingSink sink;
    MtfReader missing(control, sink);
    EXPECT_EQ(missing.Scan(std::filesystem::path(TARVELO_BINARY_DIR) / "no-such-backup.bkf"),
              ScanResult::OpenFailed);

    TestBytes bytes;
    test::PutEntry(bytes, 77, Le(u"disk"), 3);
    const auto path = std::filesystem::path(TARVELO_BINARY_DIR) / "scan-by-path.bkf";
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.Bytes().data()),
                  static_cast<std::streamsize>(bytes.Size()));
    }
    MtfReader reader(control, sink);
    EXPECT_EQ(reader.Scan(path), ScanResult::Completed);
    EXPECT_EQ(reader.Scan(path), ScanResult::AlreadyOpen);
    EXPECT_EQ(sink.events, ScanBytes(bytes).events);
    reader.CloseBackup(); // Windows cannot remove a file that is still open
    std::filesystem::remove(path);
}

} // namespace
} // namespace tarvelo

namespace tarvelo {
namespace {

// The edges of the 1024-byte windows: which candidates a window examines, where the two bytes after a
// tag come from, and how an "ETED" name that reaches past the window is read.
TEST(ScanEdges, FollowersPastTheWindowAreTheFilesOwnBytes) {
    struct Case {
        std::size_t size;      // file length
        std::size_t tagAt;     // "ETED" with an empty name and no data
        std::string followers; // bytes 4 and 5 of the tag
        std::size_t expected;  // files reported
    };
    const std::vector<Case> cases = {
        {3000, 1019, std::string("\1\1", 2), 0}, // byte 5 lies at 1024, outside the first window
        {3000, 1019, std::string("\1\0", 2), 1},
        {3000, 1018, std::string("\1\1", 2), 0},
        {3000, 1020, std::string("\1\1", 2), 0}, // the next window's position 0
        {3000, 1023, std::string("\0\1", 2), 1},
        {1024, 1019, std::string("\1", 1), 1}, // byte 5 past the end of the file reads as zero
        {1023, 1019, std::string("", 0), 1},   // the tag's last byte is the file's last
        {1022, 1019, std::string("", 0), 0},   // the tag is cut by the end of the file
        {1030, 1026, std::string("", 0), 1},   // the short last window
    };
    for (const auto& c : cases) {
        TestBytes bytes(c.size);
        bytes.Raw(c.tagAt, "ETED");
        if (c.tagAt + 26 <= c.size) {
            bytes.Le64(c.tagAt + 8, 4);
        }
        bytes.Raw(c.tagAt + 4, c.followers).Resize(c.size);
        EXPECT_EQ(ScanBytes(bytes).Files().size(), c.expected) << c.size << " " << c.tagAt;
    }
}

TEST(ScanEdges, LongNamesReachingPastTheWindowAreReadFromTheFile) {
    for (const std::uint32_t nameLength : {997u, 998u, 999u, 1000u, 1001u, 1023u, 1024u, 1025u}) {
        TestBytes bytes;
        bytes.Raw(0, "ETED").Le64(8, 4 + nameLength + 8).Le32(22, nameLength);
        std::u16string name;
        for (std::uint32_t unit = 0; unit < (nameLength + 1) / 2; ++unit) {
            name.push_back(static_cast<char16_t>(0x4E00 + unit)); // a different unit at every position
        }
        bytes.Utf16(26, name).Resize(26 + nameLength + 8);
        const auto files = ScanBytes(bytes).Files();
        if (nameLength > 1024) {
            EXPECT_TRUE(files.empty());
            continue;
        }
        ASSERT_EQ(files.size(), 1u) << nameLength;
        const std::u16string expected = u"(null)" + name;
        EXPECT_EQ(files[0].Path(), expected.substr(0, 1023)) << nameLength;
    }
}

} // namespace
} // namespace tarvelo

namespace tarvelo {
namespace {

// Memory whose reads fail from a given offset on, as a disk with a bad stretch would.
class FailingSource final : public ByteSource {
public:
    FailingSource(std::vector<std::uint8_t> bytes, std::uint64_t failFrom)
        : bytes_(std::move(bytes)), failFrom_(failFrom) {}
    [[nodiscard]] std::uint64_t Size() const override { return bytes_.size(); }
    ReadResult ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
        const std::uint64_t end = std::min<std::uint64_t>(offset + out.size(), bytes_.size());
        const std::uint64_t good = std::min(end, failFrom_);
        const std::size_t count = offset < good ? static_cast<std::size_t>(good - offset) : 0;
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), count, out.begin());
        return {count, good < end};
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::uint64_t failFrom_;
};

TEST(ScanErrors, AReadErrorEndsTheScanWithTheRecordsSoFar) {
    TestBytes bytes;
    for (std::size_t i = 0; i < 40; ++i) {
        test::PutEntry(bytes, 1000 + i * 3000,
                       Le(u"file" + std::u16string(1, static_cast<char16_t>(u'A' + i))), 100);
    }
    const auto complete = ScanBytes(bytes).events;
    for (const std::uint64_t failFrom : {0ull, 1ull, 5000ull, 60000ull, 100000ull}) {
        ScanControl control;
        control.running = 1;
        RecordingSink sink;
        MtfReader reader(control, sink);
        reader.SetReadBufferSize(4096);
        EXPECT_EQ(reader.Scan(std::make_unique<FailingSource>(bytes.Bytes(), failFrom)),
                  ScanResult::ReadFailed);
        ASSERT_LE(sink.events.size(), complete.size());
        EXPECT_TRUE(std::equal(sink.events.begin(), sink.events.end(), complete.begin())) << failFrom;
        EXPECT_GE(sink.events.size() + 3, failFrom / 3000 * 2) << failFrom; // nearly all before the error
    }
}

} // namespace
} // namespace tarvelo
