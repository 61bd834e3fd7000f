// Scan of a generated backup of many small log files: the desktop program's scan (worker, synchronous
// sends, tree, record file, log, status bar) under the offscreen platform against a plain scan into a
// record file in the same run. Prints both times and their ratio.
//   gui_scan_bench [entries] [folders] [picture.png]   (with a picture: the window after the scan)
#include "controls/CCheckTreeCtrl.h"
#include "platform/UserQuestions.h"
#include "platform/WindowMessages.h"
#include "reader/MtfReader.h"
#include "reader/TextEncoding.h"
#include "recovery/DisplayPath.h"
#include "recovery/LogText.h"
#include "recovery/RecordFile.h"
#include "recovery/ScanController.h"
#include "recovery/ScanStatusDisplay.h"
#include "tools/bkfgen/BackupDescription.h"
#include "tools/bkfgen/Output.h"

#include <QApplication>
#include <QListWidget>
#include <QPixmap>
#include <QStyle>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

using namespace tarvelo;
using Clock = std::chrono::steady_clock;

void WriteBackup(const std::filesystem::path& path, int entries, int folders) {
    bkfgen::BackupDescription description;
    bkfgen::SetContent set;
    set.set.name = u"Logs backup";
    set.catalogue = false;
    bkfgen::VolumeContent volume;
    for (int f = 0; f < folders; ++f) {
        bkfgen::DirectoryContent directory;
        directory.directory.components = {u"Exchsrvr", Utf8ToUtf16("Logs" + std::to_string(f + 1))};
        for (int i = f; i < entries; i += folders) {
            char name[32];
            std::snprintf(name, sizeof name, "E%07X.log", static_cast<unsigned>(i));
            directory.files.push_back({Utf8ToUtf16(name), bkfgen::FileData::Patterned(200, 3), std::nullopt});
        }
        volume.directories.push_back(std::move(directory));
    }
    set.volumes.push_back(std::move(volume));
    description.sets.push_back(std::move(set));
    bkfgen::FileOutput output(path);
    bkfgen::WriteBackup(description, output);
}

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

class Frame : public QWidget, public platform::MessageTarget {
public:
    Frame() : MessageTarget(this) {}
};

class NullStatus : public ScanStatusDisplay {
public:
    void SetProgressRange(int, int) override {}
    void SetProgressPosition(int) override {}
    void SetPercentText(const QString&) override {}
    void SetProgressText(const QString&) override {}
    void SetFoundText(const QString&) override {}
};

double GuiScan(const QString& backup, int& found, const QString& shot) {
    Frame frame;
    auto* layout = new QVBoxLayout(&frame);
    auto* tree = new CCheckTreeCtrl(&frame);
    tree->Configure();
    tree->SetPropagateChecks(true);
    auto* log = new QListWidget(&frame);
    layout->addWidget(tree);
    layout->addWidget(log);
    frame.resize(1024, 768);
    frame.show();
    NullStatus status;
    ScanViews views;
    views.mainWindow = &frame;
    views.target = &frame;
    views.tree = tree;
    views.logList = log;
    views.status = &status;
    views.iconForName = [](const QString&) {
        return QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    };
    views.folderIcon = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    ScanController controller(views);
    controller.MapMessages();
    frame.MapMessage(platform::WM_SCAN_BUSY,
                     [](platform::WPARAM, platform::LPARAM) { return platform::LRESULT{1}; });
    platform::ScriptedQuestions questions;
    platform::ScopedQuestions scoped(questions);
    questions.ScriptPath(backup);
    const auto start = Clock::now();
    controller.OnOpen();
    controller.WaitForWorker();
    QApplication::processEvents(); // the last repaint
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    found = controller.FoundFiles();
    if (!shot.isEmpty()) {
        tree->ExpandAll();
        controller.Log().ScrollToEnd();
        QApplication::processEvents();
        frame.grab().save(shot);
    }
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int folders = argc > 2 ? std::atoi(argv[2]) : 8;
    QTemporaryDir temp;
    qputenv("TMPDIR", temp.path().toUtf8());
    const QString backup = temp.filePath(QStringLiteral("bench.bkf"));
    WriteBackup(PathFromUtf16(backup.toStdU16String()), entries, folders);
    int coreFound = 0;
    int guiFound = 0;
    const double core =
        CoreScan(PathFromUtf16(backup.toStdU16String()),
                 PathFromUtf16(temp.filePath(QStringLiteral("records")).toStdU16String()), coreFound);
    const QString shot = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    const double gui = GuiScan(backup, guiFound, shot);
    std::printf("entries %d in %d folders\n", entries, folders);
    std::printf("plain scan into a record file: %.3f s (%d records)\n", core, coreFound);
    std::printf("desktop program scan (offscreen): %.3f s (%d records)\n", gui, guiFound);
    std::printf("ratio desktop / plain: %.2f\n", gui / core);
    return coreFound == guiFound ? 0 : 1;
}
