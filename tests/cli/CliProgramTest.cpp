// The real `tarvelo` program, run through the shell: exit status, standard error texts, JSON on
// standard output, files written, and Ctrl-C as a signal. POSIX shells only.
#include "CliTestSupport.h"
#include "tools/bkfgen/BigBackup.h"

#include <cstdlib>

namespace tarvelo::cli::test {
namespace {

#ifndef _WIN32

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

class CliProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        backup_ = folder_ / "demo.bkf";
        layout_ = WriteDemo(backup_);
    }

    // Runs the program with the arguments; `shellTail` is appended inside the shell (redirections...).
    RunResult Run(const std::vector<std::string>& args) {
        std::string command = Quoted(kProgram);
        for (const std::string& arg : args) {
            command += " " + Quoted(arg);
        }
        return Shell(command + " >" + Quoted(Utf8(folder_ / "out")) + " 2>" + Quoted(Utf8(folder_ / "err")));
    }

    // Runs a shell script; the exit status it leaves in $? is the result's code.
    RunResult Shell(const std::string& script) {
        const std::string full = "(" + script + "); echo $? >" + Quoted(Utf8(folder_ / "code"));
        EXPECT_EQ(std::system(full.c_str()), 0) << full;
        RunResult result;
        result.code = std::stoi(ReadAll(folder_ / "code"));
        result.out = ReadAll(folder_ / "out");
        result.err = ReadAll(folder_ / "err");
        return result;
    }

    static constexpr const char* kProgram = TARVELO_BINARY_DIR "/cli/tarvelo";
    TempFolder folder_;
    fs::path backup_;
    bkfgen::BackupLayout layout_;
};

TEST_F(CliProgramTest, ScanListSearchPrintJsonLinesAndTables) {
    const fs::path snapshot = folder_ / "demo.TARVSNAPQUORIN";
    const RunResult scan = Run({"scan", Utf8(backup_), "--json", "--snapshot", Utf8(snapshot)});
    EXPECT_EQ(scan.code, 0) << scan.err;
    EXPECT_EQ(scan.err, "");
    const auto lines = JsonLines(scan.out);
    ASSERT_EQ(lines.size(), layout_.entries.size());
    EXPECT_EQ(lines[8]["path"],
              "BKFSET2(Incremental backupADMIN)C\\Program Files\\Exchsrvr\\mdbdata\\Logs\\E000002A.log");
    EXPECT_EQ(lines[8]["offset"], layout_.entries[8].offset);

    const RunResult table = Run({"list", Utf8(snapshot)});
    EXPECT_EQ(table.code, 0) << table.err;
    EXPECT_EQ(Lines(table.out).size(), lines.size() + 1);
    EXPECT_EQ(table.err.rfind("9 files found, ", 0), 0u) << table.err;
    EXPECT_EQ(table.err.find('\r'), std::string::npos); // not a terminal: no progress bar

    const RunResult search = Run({"search", Utf8(snapshot), "*.stm", "--json"});
    EXPECT_EQ(search.code, 0);
    EXPECT_EQ(JsonLines(search.out).size(), 2u);
}

TEST_F(CliProgramTest, ExtractCatAndHeaderWriteTheFilesData) {
    const fs::path out = folder_ / "extracted";
    const RunResult extract = Run({"extract", Utf8(backup_), "-d", Utf8(out), "--pattern", "*.edb"});
    ASSERT_EQ(extract.code, 0) << extract.err;
    const fs::path priv1 =
        out / "BKFSET1(Full backupADMIN)C" / "Program Files" / "Exchsrvr" / "mdbdata" / "priv1.edb";
    ASSERT_TRUE(fs::exists(priv1));
    EXPECT_EQ(fs::file_size(priv1), static_cast<std::uint64_t>(layout_.entries[0].dataLength));

    const RunResult cat = Run({"cat", Utf8(backup_), "--offset", std::to_string(layout_.entries[0].offset)});
    EXPECT_EQ(cat.code, 0) << cat.err;
    EXPECT_EQ(cat.out, ReadAll(priv1));

    const RunResult header = Run({"header", Utf8(priv1), "--json"});
    EXPECT_EQ(header.code, 0) << header.err;
    const auto rows = JsonLines(header.out);
    ASSERT_EQ(rows.size(), 72u);
    EXPECT_EQ(rows[0]["value"], "priv1.edb");
}

TEST_F(CliProgramTest, ErrorsNameTheFileAndSetTheExitStatus) {
    const RunResult usage = Run({"scan"});
    EXPECT_EQ(usage.code, 2);
    EXPECT_NE(usage.err.find("BACKUP"), std::string::npos) << usage.err;
    EXPECT_EQ(usage.out, "");

    const RunResult invalid = Run({"list", Utf8(backup_)});
    EXPECT_EQ(invalid.code, 1);
    EXPECT_EQ(invalid.err,
              "tarvelo: " + Utf8(backup_) + ": not a valid snapshot file (the signature does not match)\n");

    const RunResult missing = Run({"cat", Utf8(folder_ / "none.bkf"), "--offset", "0"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "tarvelo: " + Utf8(folder_ / "none.bkf") +
                               ": cannot open the backup file: No such file or directory\n");

    // A target folder that cannot be created (a file stands in the way).
    const RunResult blocked = Run({"extract", Utf8(backup_), "-d", Utf8(backup_ / "sub")});
    EXPECT_EQ(blocked.code, 1);
    EXPECT_NE(blocked.err.find(Utf8(backup_ / "sub") + ": cannot create the folder"), std::string::npos)
        << blocked.err;
}

// Ctrl-C arrives as SIGINT while a long stretch without tags is scanned, or while a big file is
// written out. Both backups are sparse files: they cost no disk space.
TEST_F(CliProgramTest, InterruptStopsCleanlyWithStatus130) {
    const std::string program = Quoted(kProgram);
    const std::string out = Quoted(Utf8(folder_ / "out"));
    const std::string err = Quoted(Utf8(folder_ / "err"));

    const fs::path zeros = folder_ / "zeros.bkf";
    {
        bkfgen::FileOutput output(zeros);
        bkfgen::BackupWriter writer(output);
        writer.Tape({});
        writer.StartSet({});
        writer.Volume({});
        writer.Directory({});
        writer.FileEntry(u"first.txt", bkfgen::FileData::Literal("first"));
        writer.Zeros(64 * bkfgen::kGiB); // searched byte by byte: far longer than the test waits
        writer.Finish();
    }
    const RunResult scan = Shell(program + " scan " + Quoted(Utf8(zeros)) + " --json >" + out + " 2>" + err +
                                 " & pid=$!; sleep 0.5; kill -INT $pid; wait $pid");
    EXPECT_EQ(scan.code, 130) << scan.err;
    EXPECT_NE(scan.err.find("stopped"), std::string::npos);
    const auto found = JsonLines(scan.out); // what was found before the stop is kept
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(found[0]["path"].get<std::string>().ends_with("C\\first.txt")) << found[0]["path"];

    // The scan skips big.bin's data with one seek; writing it out takes long.
    const fs::path big = folder_ / "big.bkf";
    {
        bkfgen::FileOutput output(big);
        bkfgen::BigBackupOptions options;
        options.bigSize = 64 * bkfgen::kGiB;
        bkfgen::WriteBigBackup(options, output);
    }
    const fs::path target = folder_ / "target";
    const RunResult extract = Shell(program + " extract " + Quoted(Utf8(big)) + " -d " +
                                    Quoted(Utf8(target)) + " --flat --pattern '*.bin' >" + out + " 2>" + err +
                                    " & pid=$!; while [ ! -e " + Quoted(Utf8(target / "big.bin")) +
                                    " ] && kill -0 $pid 2>/dev/null; do sleep 0.05; done; sleep 0.3; "
                                    "kill -INT $pid; wait $pid");
    EXPECT_EQ(extract.code, 130) << extract.err;
    EXPECT_TRUE(fs::exists(target / "small.bin")); // complete before the stop: kept
    EXPECT_FALSE(fs::exists(target / "big.bin"));  // partial: removed
    EXPECT_FALSE(fs::exists(target / "after.bin"));
    EXPECT_NE(extract.err.find("stopped"), std::string::npos);
}

#else

TEST(CliProgramTest, NeedsAPosixShell) {
    GTEST_SKIP() << "the program tests run through a POSIX shell";
}

#endif

} // namespace
} // namespace tarvelo::cli::test
