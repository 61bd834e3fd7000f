// Scan of a generated backup of many small log files: the desktop program's scan in its real main
// window (worker, synchronous sends, tree, record file, log, status bar) under the offscreen platform against
// a plain scan into a record file and against the command-line tool's scan of the same file, best of a few
// runs each. Prints the times and the ratios.
//   gui_scan_bench [--entries N] [--folders N] [--reps N] [--cli path/to/tarvelo] [--shot picture.png]
// (with a picture: the window after the scan)
#include "app/CMainFrame.h"
#include "app/res/Resource.h"
#include "controls/CCheckTreeCtrl.h"
#include "platform/UserQuestions.h"
#include "reader/MtfReader.h"
#include "reader/TextEncoding.h"
#include "recovery/DisplayPath.h"
#include "recovery/LogText.h"
#include "recovery/RecordFile.h"
#include "recovery/ScanController.h"
#include "tools/bkfgen/BackupDescription.h"
#include "tools/bkfgen/LogFolderBackup.h"
#include "tools/bkfgen/Output.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace tarvelo;
using Clock = std::chrono::steady_clock;

// What the command-line tool does per record: clean the path, store the record, make the log line.
class RecordFileSink : public ScanSink {
public:
    explicit RecordFileSink(RecordFile& file) : file_(file) {}
    void FileFound(std::unique_ptr<FileRecord> record) override {
        CleanRecordPath(*record);
        file_.Append(*record);
        lines += FileFoundLogLine(record->Path(), record->DataSize()).size();
    }
    void Progress(std::unique_ptr<ProgressRecord>) override {}
    std::size_t lines = 0;

private:
    RecordFile& file_;
};

double CoreScan(const std::filesystem::path& backup, const std::filesystem::path& records, int& found) {
    const auto start = Clock::now();
    std::string error;
    RecordFile file = RecordFile::Create(records, error);
    RecordFileSink sink(file);
    ScanControl control;
    control.running = 1;
    MtfReader reader(control, sink);
    reader.Scan(backup);
    found = static_cast<int>(file.Count());
    file.CloseAndRemove();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The program's own main window: ribbon, status bar with its busy layout, the three panes.
double GuiScan(const QString& backup, int& found, const QString& shot) {
    app::CMainFrame frame;
    if (!frame.Create(false))
        return -1.0;
    frame.resize(1280, 800);
    frame.show();
    QApplication::processEvents();
    platform::ScriptedQuestions questions;
    platform::ScopedQuestions scoped(questions);
    questions.ScriptPath(backup);
    const auto start = Clock::now();
    frame.Command(app::ID_OPEN_BKF)->trigger();
    frame.Scan()->WaitForWorker();
    QApplication::processEvents(); // the last repaint
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    found = frame.Scan()->FoundFiles();
    if (!shot.isEmpty()) {
        frame.Tree()->ExpandAll();
        frame.Scan()->Log().ScrollToEnd();
        QApplication::processEvents();
        frame.grab().save(shot);
    }
    return seconds;
}

// `tarvelo scan`, optionally with a snapshot (which, like the desktop program, keeps every record).
double CliScan(const std::string& cli, const QString& backup, const QString& snapshot) {
    std::string command = "'" + cli + "' scan '" + backup.toStdString() + "'";
    if (!snapshot.isEmpty())
        command += " --snapshot '" + snapshot.toStdString() + "'";
    command += " >/dev/null 2>&1";
    const auto start = Clock::now();
    const int status = std::system(command.c_str());
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return status == 0 ? seconds : -1.0;
}

struct Options {
    int entries = 100000;
    int folders = 8;
    int reps = 3;
    std::string cli;
    QString shot;
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--entries")
            options.entries = std::atoi(value);
        else if (name == "--folders")
            options.folders = std::max(1, std::atoi(value));
        else if (name == "--reps")
            options.reps = std::max(1, std::atoi(value));
        else if (name == "--cli")
            options.cli = value;
        else if (name == "--shot")
            options.shot = QString::fromLocal8Bit(value);
    }
    return options;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settings; // the window writes its look setting: keep it away from the user's
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    const Options options = ParseOptions(argc, argv);
    QTemporaryDir temp;
    qputenv("TMPDIR", temp.path().toUtf8());
    const QString backup = temp.filePath(QStringLiteral("bench.bkf"));
    {
        bkfgen::FileOutput output(PathFromUtf16(backup.toStdU16String()));
        bkfgen::WriteBackup(
            bkfgen::LogFolderBackupDescription(options.folders, options.entries / options.folders, 200, 3),
            output);
    }
    const int entries = options.entries / options.folders * options.folders;
    int coreFound = 0;
    int guiFound = 0;
    double core = 1e9;
    double gui = 1e9;
    double cli = 1e9;
    double cliSnapshot = 1e9;
    for (int rep = 0; rep < options.reps; ++rep) {
        core =
            std::min(core, CoreScan(PathFromUtf16(backup.toStdU16String()),
                                    PathFromUtf16(temp.filePath(QStringLiteral("records")).toStdU16String()),
                                    coreFound));
        const bool last = rep + 1 == options.reps;
        gui = std::min(gui, GuiScan(backup, guiFound, last ? options.shot : QString()));
        if (!options.cli.empty()) {
            const QString snapshot = temp.filePath(QStringLiteral("bench.snapshot"));
            const double seconds = CliScan(options.cli, backup, QString());
            const double withSnapshot = CliScan(options.cli, backup, snapshot);
            QFile::remove(snapshot);
            if (seconds < 0 || withSnapshot < 0) {
                std::fprintf(stderr, "the command-line scan failed: %s\n", options.cli.c_str());
                return 1;
            }
            cli = std::min(cli, seconds);
            cliSnapshot = std::min(cliSnapshot, withSnapshot);
        }
    }
    std::printf("entries %d in %d folders, best of %d\n", entries, options.folders, options.reps);
    std::printf("plain scan into a record file: %.3f s (%d records)\n", core, coreFound);
    if (!options.cli.empty()) {
        std::printf("command-line scan (tarvelo scan, output to /dev/null): %.3f s\n", cli);
        std::printf("command-line scan with a snapshot (tarvelo scan --snapshot): %.3f s\n", cliSnapshot);
    }
    std::printf("desktop program scan (offscreen): %.3f s (%d records)\n", gui, guiFound);
    std::printf("ratio desktop / plain: %.2f\n", gui / core);
    if (!options.cli.empty()) {
        std::printf("ratio desktop / command line: %.2f (target <= 1.5)\n", gui / cli);
        std::printf("ratio desktop / command line with a snapshot: %.2f\n", gui / cliSnapshot);
    }
    return coreFound == guiFound && guiFound == entries ? 0 : 1;
}
