#include "tests/gui/ScanFixture.h"

#include "reader/TextEncoding.h"
#include "recovery/TempFiles.h"
#include "tools/bkfgen/BackupDescription.h"
#include "tools/bkfgen/DemoBackup.h"
#include "tools/bkfgen/LogFolderBackup.h"
#include "tools/bkfgen/Output.h"

#include <QApplication>
#include <QStyle>
#include <QVBoxLayout>

namespace tarvelo::testing {

void WriteLogFolderBackup(const std::filesystem::path& path, int folders, int filesPerFolder) {
    bkfgen::FileOutput output(path);
    bkfgen::WriteBackup(bkfgen::LogFolderBackupDescription(folders, filesPerFolder, 64, 9), output);
}

int WriteDemoBackupFile(const std::filesystem::path& path) {
    bkfgen::FileOutput output(path);
    const bkfgen::BackupLayout layout = bkfgen::WriteDemoBackup(output);
    return static_cast<int>(layout.entries.size());
}

void ScanTest::SetUp() {
    ASSERT_TRUE(temp.isValid());
    // The record file and the extraction folder go to a folder of this test's own.
    oldTmpDir = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toUtf8());
    auto* layout = new QVBoxLayout(&frame);
    tree = new CCheckTreeCtrl(&frame);
    tree->Configure();
    tree->SetPropagateChecks(true);
    log = new QListWidget(&frame);
    fileList = new QListWidget(&frame);
    layout->addWidget(tree);
    layout->addWidget(log);
    layout->addWidget(fileList);
    frame.resize(600, 500);
    frame.MapMessage(platform::WM_SCAN_BUSY, [this](platform::WPARAM w, platform::LPARAM) {
        busy.push_back(w);
        return platform::LRESULT{1};
    });
    scopedQuestions = std::make_unique<platform::ScopedQuestions>(questions);

    ScanViews views;
    views.mainWindow = &frame;
    views.target = &frame;
    views.tree = tree;
    views.logList = log;
    views.fileList = fileList;
    views.status = &status;
    views.showBackupFileInfo = [this] { ++backupInfoShown; };
    views.clearPreview = [this] { ++previewCleared; };
    views.iconForName = [](const QString&) {
        return QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    };
    views.folderIcon = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    controller = std::make_unique<ScanController>(views);
    controller->MapMessages();
}

void ScanTest::TearDown() {
    controller.reset();
    scopedQuestions.reset();
    if (oldTmpDir.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", oldTmpDir);
}

void ScanTest::Open(const QString& path, bool wait) {
    questions.ScriptPath(path);
    controller->OnOpen();
    if (wait)
        controller->WaitForWorker();
}

QStringList ScanTest::AskedTexts() const {
    QStringList texts;
    for (const platform::Question& q : questions.Asked())
        texts.push_back(q.text);
    return texts;
}

std::filesystem::path ScanTest::RecordPath() const {
    return RecordFilePath();
}

} // namespace tarvelo::testing
