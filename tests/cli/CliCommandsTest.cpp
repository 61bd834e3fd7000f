// The subcommands run in-process on generated backups: what they print, what they write, their exit
// status and their error texts.
#include "CliTestSupport.h"
#include "platform/os/Interrupt.h"
#include "recovery/SafeOutputPath.h"

namespace tarvelo::cli::test {
namespace {

class CliCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        backup_ = folder_ / "demo.bkf";
        layout_ = WriteDemo(backup_);
        bytes_ = ReadAll(backup_);
    }

    // The data of entry i as the backup holds it.
    [[nodiscard]] std::string DataOf(std::size_t i) const {
        const auto& entry = layout_.entries.at(i);
        return bytes_.substr(static_cast<std::size_t>(entry.dataOffset),
                             static_cast<std::size_t>(entry.dataLength));
    }
    [[nodiscard]] std::size_t IndexOfName(std::u16string_view name) const {
        for (std::size_t i = 0; i < layout_.entries.size(); ++i) {
            if (layout_.entries[i].name == name) {
                return i;
            }
        }
        return layout_.entries.size();
    }

    TempFolder folder_;
    fs::path backup_;
    bkfgen::BackupLayout layout_;
    std::string bytes_;
};

TEST_F(CliCommandsTest, ScanJsonListsEveryEntryWithTheRecordFields) {
    const RunResult run = RunInProcess({"scan", Utf8(backup_), "--json"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, ""); // no summary and no progress with --json
    const auto lines = JsonLines(run.out);
    ASSERT_EQ(lines.size(), layout_.entries.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& entry = layout_.entries[i];
        const auto& line = lines[i];
        EXPECT_EQ(line.size(), 5u);
        EXPECT_EQ(line["record"], i + 1);
        EXPECT_EQ(line["offset"], entry.offset);
        EXPECT_EQ(line["size"], static_cast<std::int32_t>(static_cast<std::uint32_t>(entry.dataLength)));
        EXPECT_EQ(line["length"], entry.dataLength);
        EXPECT_EQ(line["path"], Utf16ToUtf8(entry.path));
    }
    EXPECT_EQ(run.out.substr(0, 61), R"({"record":1,"offset":5120,"size":65536,"length":65536,"path":)");
}

TEST_F(CliCommandsTest, ScanTableAndSummary) {
    const RunResult run = RunInProcess({"scan", Utf8(backup_)});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), layout_.entries.size() + 1);
    EXPECT_EQ(lines[0], "  Record       Size  Path");
    EXPECT_EQ(lines[1],
              "       1   64.0 KiB  BKFSET1(Full backupADMIN)C\\Program Files\\Exchsrvr\\mdbdata\\priv1.edb");
    EXPECT_EQ(lines[6].substr(0, 19), "       6    5.0 MiB");
    EXPECT_EQ(run.err.rfind("9 files found, 20.2 MiB scanned in ", 0), 0u) << run.err;
}

TEST_F(CliCommandsTest, SnapshotWrittenByScanListsTheSameRecords) {
    const fs::path snapshot = folder_ / "demo.TARVSNAPQUORIN";
    const RunResult scan = RunInProcess({"scan", Utf8(backup_), "--json", "--snapshot", Utf8(snapshot)});
    ASSERT_EQ(scan.code, 0) << scan.err;
    EXPECT_EQ(fs::file_size(snapshot), 2108u + 2274u * layout_.entries.size());
    EXPECT_FALSE(fs::exists(Utf8(snapshot) + ".records")); // the working record file is gone
    // The stored backup path is absolute.
    const std::string header = ReadAll(snapshot).substr(60, 2048);
    const std::u16string stored =
        Utf16FromLeBytes(reinterpret_cast<const std::uint8_t*>(header.data()), 2048, 1024);
    EXPECT_EQ(PathFromUtf16(stored), fs::absolute(backup_));

    const RunResult list = RunInProcess({"list", Utf8(snapshot), "--json"});
    ASSERT_EQ(list.code, 0) << list.err;
    auto scanned = JsonLines(scan.out);
    const auto listed = JsonLines(list.out);
    ASSERT_EQ(listed.size(), scanned.size());
    for (std::size_t i = 0; i < listed.size(); ++i) {
        scanned[i].erase("length"); // a snapshot keeps only the low 32 bits
        EXPECT_EQ(listed[i], scanned[i]);
    }
    const RunResult table = RunInProcess({"list", Utf8(snapshot)});
    EXPECT_EQ(Lines(table.out).size(), layout_.entries.size() + 1);
}

TEST_F(CliCommandsTest, ListRefusesAFileWithoutTheSignature) {
    const RunResult run = RunInProcess({"list", Utf8(backup_)});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(Utf8(backup_) + ": not a valid snapshot file"), std::string::npos) << run.err;
    const RunResult missing = RunInProcess({"list", Utf8(folder_ / "missing.TARVSNAPQUORIN")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("missing.TARVSNAPQUORIN"), std::string::npos) << missing.err;
}

TEST_F(CliCommandsTest, SearchFollowsTheDialogsPatternRuleOnBackupsAndSnapshots) {
    const fs::path snapshot = folder_ / "demo.TARVSNAPQUORIN";
    ASSERT_EQ(RunInProcess({"scan", Utf8(backup_), "--snapshot", Utf8(snapshot)}).code, 0);
    const struct {
        std::string pattern;
        std::vector<int> records;
    } cases[] = {
        {"edb", {1, 3}},            // no star: anywhere in the path
        {"  *.log ", {6, 7, 8, 9}}, // trimmed
        {"*E000002?.log", {7, 9}},
        {"EDB", {}},          // case counts
        {"BKFSET2*", {8, 9}}, // whole path, anchored
        {"Logs\\E00.", {6, 8}},
    };
    for (const auto& c : cases) {
        for (const fs::path& source : {backup_, snapshot}) {
            SCOPED_TRACE(c.pattern + " in " + Utf8(source.filename()));
            const RunResult run = RunInProcess({"search", Utf8(source), c.pattern, "--json"});
            ASSERT_EQ(run.code, 0) << run.err;
            std::vector<int> records;
            for (const auto& line : JsonLines(run.out)) {
                records.push_back(line["record"].get<int>());
                EXPECT_EQ(line.contains("length"), source == backup_);
            }
            EXPECT_EQ(records, c.records);
        }
    }
    const RunResult empty = RunInProcess({"search", Utf8(backup_), "   "});
    EXPECT_EQ(empty.code, 2);
    EXPECT_NE(empty.err.find("pattern is empty"), std::string::npos);
}

TEST_F(CliCommandsTest, ExtractWritesEveryFileInItsHierarchyAndNeverOverwrites) {
    const fs::path out = folder_ / "out";
    const RunResult run = RunInProcess({"extract", Utf8(backup_), "-d", Utf8(out)});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(Lines(run.out).size(), layout_.entries.size());
    EXPECT_NE(run.err.find("9 files extracted, 20.2 MiB written in "), std::string::npos) << run.err;
    for (std::size_t i = 0; i < layout_.entries.size(); ++i) {
        const fs::path written = out / SafeRelativePath(layout_.entries[i].path, OutputLayout::Hierarchy);
        ASSERT_TRUE(fs::is_regular_file(written)) << Utf8(written);
        EXPECT_EQ(ReadAll(written), DataOf(i)) << Utf8(written);
    }
    // Again into the same folder: numbered names, the first copies untouched.
    const RunResult again =
        RunInProcess({"extract", Utf8(backup_), "-d", Utf8(out), "--pattern", "priv1.edb"});
    ASSERT_EQ(again.code, 0) << again.err;
    const fs::path mdbdata = out / "BKFSET1(Full backupADMIN)C" / "Program Files" / "Exchsrvr" / "mdbdata";
    EXPECT_EQ(ReadAll(mdbdata / "priv1 (2).edb"), DataOf(0));
    EXPECT_NE(again.out.find("priv1 (2).edb"), std::string::npos);
}

TEST_F(CliCommandsTest, ExtractFlatPreviewAndPattern) {
    const fs::path out = folder_ / "flat";
    const RunResult run = RunInProcess(
        {"extract", Utf8(backup_), "-d", Utf8(out), "--flat", "--preview", "--pattern", "*.log"});
    ASSERT_EQ(run.code, 0) << run.err;
    // Two sets hold an E00.log: the second one gets a number.
    EXPECT_EQ(ReadAll(out / "E00.log"), DataOf(5));
    EXPECT_EQ(ReadAll(out / "E00 (2).log"), DataOf(7));
    EXPECT_TRUE(fs::exists(out / "E0000029.log"));
    EXPECT_TRUE(fs::exists(out / "E000002A.log"));
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 4);
}

TEST_F(CliCommandsTest, ExtractFromASnapshotReadsTheStoredOrTheGivenBackup) {
    const fs::path snapshot = folder_ / "demo.TARVSNAPQUORIN";
    ASSERT_EQ(RunInProcess({"scan", Utf8(backup_), "--snapshot", Utf8(snapshot)}).code, 0);
    const RunResult stored =
        RunInProcess({"extract", Utf8(snapshot), "-d", Utf8(folder_ / "a"), "--pattern", "*.stm"});
    ASSERT_EQ(stored.code, 0) << stored.err;
    EXPECT_EQ(Lines(stored.out).size(), 2u);

    const fs::path moved = folder_ / "moved.bkf";
    fs::rename(backup_, moved);
    const RunResult gone = RunInProcess({"extract", Utf8(snapshot), "-d", Utf8(folder_ / "b")});
    EXPECT_EQ(gone.code, 1);
    EXPECT_NE(gone.err.find(Utf8(fs::absolute(backup_)) + ": cannot open the backup file"), std::string::npos)
        << gone.err;
    const RunResult given = RunInProcess(
        {"extract", Utf8(snapshot), "-d", Utf8(folder_ / "c"), "--backup", Utf8(moved), "--flat"});
    ASSERT_EQ(given.code, 0) << given.err;
    EXPECT_EQ(ReadAll(folder_ / "c" / "pub1.stm"), DataOf(IndexOfName(u"pub1.stm")));
}

TEST_F(CliCommandsTest, CatWritesOneEntrysDataAndRefusesAnOffsetWithoutEntry) {
    const std::size_t log = IndexOfName(u"E0000029.log");
    const RunResult whole =
        RunInProcess({"cat", Utf8(backup_), "--offset", std::to_string(layout_.entries[log].offset)});
    ASSERT_EQ(whole.code, 0) << whole.err;
    EXPECT_EQ(whole.out, DataOf(log));
    const RunResult preview = RunInProcess(
        {"cat", Utf8(backup_), "--offset", std::to_string(layout_.entries[0].offset), "--preview"});
    EXPECT_EQ(preview.out, DataOf(0));

    const RunResult wrong = RunInProcess({"cat", Utf8(backup_), "--offset", "5121"});
    EXPECT_EQ(wrong.code, 1);
    EXPECT_EQ(wrong.out, "");
    EXPECT_NE(wrong.err.find(Utf8(backup_) + ": no file entry at offset 5121"), std::string::npos)
        << wrong.err;
}

TEST_F(CliCommandsTest, HeaderOfAnExtractedDatabase) {
    const fs::path out = folder_ / "out";
    ASSERT_EQ(
        RunInProcess({"extract", Utf8(backup_), "-d", Utf8(out), "--flat", "--pattern", "priv1.edb"}).code,
        0);
    const RunResult json = RunInProcess({"header", Utf8(out / "priv1.edb"), "--json"});
    ASSERT_EQ(json.code, 0) << json.err;
    const auto rows = JsonLines(json.out);
    ASSERT_EQ(rows.size(), 72u);
    EXPECT_EQ(rows[0],
              (nlohmann::json{
                  {"group", "Selected file details"}, {"caption", "File name"}, {"value", "priv1.edb"}}));
    EXPECT_EQ(rows[1]["caption"], "Checksum");
    EXPECT_EQ(rows[4],
              (nlohmann::json{
                  {"group", "Selected file details"}, {"caption", "File type"}, {"value", "DataBase type"}}));
    EXPECT_EQ(rows[37]["group"], "Database signature");
    EXPECT_EQ(rows[39]["caption"], "Database state");
    EXPECT_EQ(rows[39]["value"], "JET_dbstateCleanShutdown");
    EXPECT_EQ(rows[71]["group"], "Previous differential backup information");

    const RunResult table = RunInProcess({"header", Utf8(out / "priv1.edb")});
    ASSERT_EQ(table.code, 0);
    const auto lines = Lines(table.out);
    EXPECT_EQ(lines[0], "Selected file details");
    EXPECT_EQ(lines[1].rfind("  File name ", 0), 0u);
    EXPECT_TRUE(lines[1].ends_with("  priv1.edb"));

    const RunResult missing = RunInProcess({"header", Utf8(folder_ / "none.edb")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("none.edb"), std::string::npos);
}

TEST_F(CliCommandsTest, CtrlCStopsAScanAndAnExtractionKeepingWhatIsComplete) {
    const RunResult scan = RunInProcess(
        {"scan", Utf8(backup_), "--json", "--snapshot", Utf8(folder_ / "s.snap")}, [](std::uint64_t files) {
            if (files == 2) {
                os::RequestInterrupt();
            }
        });
    EXPECT_EQ(scan.code, 130);
    EXPECT_EQ(JsonLines(scan.out).size(), 2u);
    EXPECT_NE(scan.err.find("stopped"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder_ / "s.snap"));

    const fs::path out = folder_ / "out";
    const RunResult extract =
        RunInProcess({"extract", Utf8(backup_), "-d", Utf8(out), "--flat"}, [](std::uint64_t files) {
            if (files == 3) {
                os::RequestInterrupt();
            }
        });
    EXPECT_EQ(extract.code, 130);
    EXPECT_EQ(Lines(extract.out).size(), 3u);
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 3);
    os::ClearInterrupt();
}

TEST_F(CliCommandsTest, UsageErrorsVersionAndUnreadableBackups) {
    EXPECT_EQ(RunInProcess({}).code, 2);
    EXPECT_EQ(RunInProcess({"frobnicate"}).code, 2);
    const RunResult unknownOption = RunInProcess({"scan", Utf8(backup_), "--jsn"});
    EXPECT_EQ(unknownOption.code, 2);
    EXPECT_NE(unknownOption.err.find("--jsn"), std::string::npos);
    EXPECT_EQ(RunInProcess({"extract", Utf8(backup_)}).code, 2); // -d missing
    EXPECT_EQ(RunInProcess({"cat", Utf8(backup_), "--offset", "x"}).code, 2);

    const RunResult version = RunInProcess({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "tarvelo 20.0\n");
    const RunResult help = RunInProcess({"extract", "--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("--preview"), std::string::npos);

    const RunResult missing = RunInProcess({"scan", Utf8(folder_ / "missing.bkf")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find(Utf8(folder_ / "missing.bkf") + ": cannot open the backup file: "),
              std::string::npos)
        << missing.err;
    const RunResult folder = RunInProcess({"scan", Utf8(folder_.Path())});
    EXPECT_EQ(folder.code, 1);
}

// A backup whose names try to climb out of the target, hide, or drive the terminal.
TEST(CliHostileBackupTest, ExtractionNeverWritesOutsideTheTarget) {
    TempFolder folder;
    const fs::path backup = folder / "hostile.bkf";
    std::vector<std::u16string> names;
    {
        bkfgen::FileOutput output(backup);
        bkfgen::BackupWriter writer(output);
        writer.Tape({});
        bkfgen::SetSpec set;
        set.name = u"../../x";
        writer.StartSet(set);
        writer.Volume({});
        const std::vector<std::vector<std::u16string>> folders = {
            {}, {u".."}, {u"..", u".."}, {u"a", u".", u""}, {u"/etc"}, {u"CON", u"x\u0001y"}};
        const std::vector<std::u16string> files = {u"..",
                                                   u".",
                                                   u"",
                                                   u"..\\..\\evil.txt",
                                                   u"/tmp/evil",
                                                   u"NUL.txt",
                                                   u"e\x1b[31mvil",
                                                   std::u16string(300, u'L') + u".edb",
                                                   std::u16string{u'a', char16_t{0xD800}, u'b'}};
        int n = 0;
        for (const auto& components : folders) {
            bkfgen::DirectorySpec directory;
            directory.components = components;
            writer.Directory(directory);
            for (const auto& name : files) {
                names.push_back(name);
                writer.FileEntry(name, bkfgen::FileData::Literal("data" + std::to_string(n++)));
            }
        }
        writer.EndSet();
        writer.Finish();
    }
    const fs::path target = folder / "inside" / "target";
    for (const char* layout : {"", "--flat"}) {
        std::vector<std::string> args = {"extract", Utf8(backup), "-d", Utf8(target)};
        if (*layout) {
            args.push_back(layout);
        }
        const RunResult run = RunInProcess(args);
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(Lines(run.out).size(), names.size());
        EXPECT_EQ(run.out.find('\x1b'), std::string::npos); // the table shows no control character
    }
    // Everything below the target, one regular file per entry per layout, nothing anywhere else.
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder.Path())) {
        if (entry.is_regular_file() && entry.path() != backup) {
            const fs::path relative = entry.path().lexically_relative(target);
            EXPECT_FALSE(relative.empty() || *relative.begin() == "..") << Utf8(entry.path());
            ++files;
        }
        EXPECT_FALSE(entry.is_symlink());
    }
    EXPECT_EQ(files, 2 * names.size());
    // The unpaired surrogate reaches JSON as an escape of the unit.
    const RunResult json = RunInProcess({"search", Utf8(backup), "a?b", "--json"});
    EXPECT_NE(json.out.find(R"(a\ud800b")"), std::string::npos) << json.out;
}

} // namespace
} // namespace tarvelo::cli::test
