// A backup, its folder and the extraction target named with characters outside every ANSI code page:
// on Windows this only works when the name stays UTF-16 from the caller to the system call.
#include "reader/MtfReader.h"
#include "reader/TextEncoding.h"
#include "tests/reader/RecordingSink.h"
#include "tests/reader/TestBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace tarvelo {
namespace {

using namespace std::string_view_literals;
using test::Le;
using test::TestBytes;

std::string ReadWhole(const std::filesystem::path& path) {
    std::string out(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
    std::ifstream in(path, std::ios::binary);
    in.read(out.data(), static_cast<std::streamsize>(out.size()));
    return out;
}

TEST(NonAsciiPath, BackupIsScannedAndAnEntryExtractedUnderWideNames) {
    const auto folder = PathFromUtf8(TARVELO_BINARY_DIR) / PathFromUtf16(u"Prüfordner 文件");
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto backup = folder / PathFromUtf16(u"Überprüfung 名前.bkf");

    TestBytes bytes;
    test::PutSet(bytes, 0, 1, u"Sicherung", u"ADMIN");
    test::PutVolume(bytes, 1024, u"C:");
    test::PutDirectory(bytes, 2048, Le(u"Daten\0"sv));
    test::PutEntry(bytes, 3072, Le(u"Bericht ü 报告.txt"), 3000, true, 0x41);
    {
        std::ofstream out(backup, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.Bytes().data()),
                  static_cast<std::streamsize>(bytes.Size()));
        ASSERT_TRUE(out.good());
    }
    // The name on disk is exactly ours, not a code-page approximation.
    bool listed = false;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        listed = listed || Utf16FromPath(entry.path().filename()) == u"Überprüfung 名前.bkf";
    }
    EXPECT_TRUE(listed);

    ScanControl control;
    control.running = 1;
    test::RecordingSink sink;
    MtfReader reader(control, sink);
    ASSERT_EQ(reader.Scan(backup), ScanResult::Completed);
    const auto files = test::FilesOf(sink.events);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].Path(), u"BKFSET1(SicherungADMIN)C\\Daten\\Bericht ü 报告.txt");

    const auto targetFolder = folder / PathFromUtf16(u"Ziel 目标");
    std::filesystem::create_directories(targetFolder);
    const auto target = targetFolder / PathFromUtf16(u"Bericht ü 报告.txt");
    control.extracting = 1;
    const ExtractOutcome outcome =
        reader.HandleFileEntry(files[0].EntryOffset(), target, PreviewLimit::WholeFile);
    EXPECT_EQ(outcome.result, ExtractResult::Written);
    EXPECT_EQ(outcome.bytesWritten, 3000u);
    EXPECT_EQ(ReadWhole(target), std::string(3000, 'A'));

    reader.CloseBackup(); // Windows cannot remove files that are still open
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace tarvelo
