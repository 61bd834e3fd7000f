// The real main window scanning the demo backup: the scan controller on the frame's panes, its
// commands, the status bar's busy layout and the close request.
#include "app/CKestroRibbonStatusBarCls.h"
#include "app/CMainFrame.h"
#include "app/res/Resource.h"
#include "controls/CCheckTreeCtrl.h"
#include "dbheader/CPropertyGridCtrl.h"
#include "platform/MessageBoxStyles.h"
#include "platform/UserQuestions.h"
#include "platform/WebPage.h"
#include "platform/os/ProcessExit.h"
#include "reader/TextEncoding.h"
#include "recovery/ScanController.h"
#include "tests/gui/ScanFixture.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <functional>
#include <vector>

namespace tarvelo::app {
namespace {

std::vector<std::uint32_t> exitCodes;

class MainFrameScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        // The record file goes to this test's own folder.
        oldTmpDir = qgetenv("TMPDIR");
        qputenv("TMPDIR", temp.path().toUtf8());
        exitCodes.clear();
        previousHook = os::SetExitHook([](std::uint32_t code) { exitCodes.push_back(code); });
        previousOpener = platform::SetWebPageOpener([this](const QString& url) { pages.push_back(url); });
        ASSERT_TRUE(frame.Create(false));
        frame.resize(1000, 700);
        frame.show();
        backup = temp.filePath(QStringLiteral("demo.bkf"));
        entries = testing::WriteDemoBackupFile(PathFromUtf16(backup.toStdU16String()));
        idleLayout = Layout();
    }
    void TearDown() override {
        os::SetExitHook(previousHook);
        platform::SetWebPageOpener(previousOpener);
        if (oldTmpDir.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", oldTmpDir);
    }

    // Runs `atFirstFile` when the first found file's log line arrives, while the worker waits in its send.
    void OpenAndWait(const std::function<void()>& atFirstFile) {
        QAbstractItemModel* log = frame.LogList()->model();
        const auto connection = QObject::connect(log, &QAbstractItemModel::rowsInserted, [&] {
            if (log->rowCount() == 8 && atFirstFile)
                atFirstFile();
        });
        questions.ScriptPath(backup);
        frame.Command(ID_OPEN_BKF)->trigger();
        frame.Scan()->WaitForWorker();
        QObject::disconnect(connection);
    }
    [[nodiscard]] QStringList Layout() const {
        QStringList ids;
        for (const auto& e : frame.StatusBar()->Elements())
            ids << QString::number(e.id);
        return ids;
    }
    [[nodiscard]] QString PaneText(int id) const {
        const auto* label = qobject_cast<QLabel*>(frame.StatusBar()->FindElement(id));
        return label != nullptr ? label->text() : QStringLiteral("<none>");
    }
    [[nodiscard]] QStringList LogLines() const { return frame.Scan()->Log().Lines(); }

    QTemporaryDir temp;
    QByteArray oldTmpDir;
    platform::ScriptedQuestions questions;
    platform::ScopedQuestions scopedQuestions{questions};
    os::ExitHook previousHook = nullptr;
    platform::WebPageOpener previousOpener;
    QStringList pages;
    CMainFrame frame;
    QString backup;
    int entries = 0;
    QStringList idleLayout;
};

int CountFiles(QTreeWidgetItem* item) {
    if (item->childCount() == 0)
        return CCheckTreeCtrl::GetItemData(item) != 0 ? 1 : 0;
    int files = 0;
    for (int i = 0; i < item->childCount(); ++i)
        files += CountFiles(item->child(i));
    return files;
}

TEST_F(MainFrameScanTest, DemoScanFillsThePanesRefusesToCloseMeanwhileAndClosesAfterwards) {
    QString foundDuringScan;
    QString progressDuringScan;
    int barMaximum = -1;
    bool stillOpen = false;
    bool stopEnabled = false;
    OpenAndWait([&] {
        stopEnabled = frame.Command(ID_STOP)->isEnabled();
        foundDuringScan = PaneText(ID_STATUS_FOUND_PANE);
        progressDuringScan = PaneText(ID_STATUS_PROGRESS_PANE);
        if (QProgressBar* bar = frame.BusyProgressBar())
            barMaximum = bar->maximum();
        questions.ScriptButton(platform::IDOK); // the refusal
        frame.close();
        stillOpen = frame.isVisible();
    });
    ASSERT_EQ(frame.Scan()->FoundFiles(), entries);

    // Status bar: busy layout while scanning, back to idle at the end; Stop off again.
    EXPECT_EQ(foundDuringScan, QStringLiteral("File Found: 1"));
    EXPECT_NE(progressDuringScan, QStringLiteral("<none>"));
    EXPECT_EQ(barMaximum, 1000);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(stopEnabled) << "the ribbon's Stop is on from the moment the scan starts";
    EXPECT_EQ(frame.BusyProgressBar(), nullptr);
    EXPECT_EQ(Layout(), idleLayout);
    EXPECT_FALSE(frame.Command(ID_STOP)->isEnabled());

    // Tree: the backup file's root, every found file below it, all checked.
    CCheckTreeCtrl* tree = frame.Tree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), backup);
    EXPECT_EQ(CountFiles(root), entries);
    EXPECT_EQ(tree->GetItemCheck(root), 1);
    EXPECT_EQ(tree->Data(root)->checkedDescendantCount, tree->Data(root)->descendantCount);

    // Log window: one line per file, then the completion block.
    const QStringList lines = LogLines();
    ASSERT_EQ(lines.size(), 7 + entries + 4);
    EXPECT_EQ(lines[1], backup + QStringLiteral(" File is selected for recovery...."));
    EXPECT_EQ(lines[8 + entries], QStringLiteral("Number of Recovered files: %1").arg(entries));
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("Quorin Tarvelo process completed.  ")));

    // Properties pane: the backup file layout with the opened file's path.
    EXPECT_TRUE(frame.PropertyGrid()->Rows().join(QLatin1Char('\n')).contains(backup))
        << frame.PropertyGrid()->Rows().join(QLatin1Char('\n')).toStdString();

    // Questions: the open dialog, then the refusal to close while running.
    ASSERT_EQ(questions.Asked().size(), 2);
    EXPECT_EQ(questions.Asked()[1].text,
              QStringLiteral("Please stop the running process to close the application."));

    // Close after the scan: Yes ends the process with its exit code.
    questions.ScriptButton(platform::IDYES);
    frame.close();
    EXPECT_EQ(exitCodes, (std::vector<std::uint32_t>{ScanController::kCloseExitCode}));
    EXPECT_EQ(pages, QStringList{QString::fromLatin1(kProductWebPage)});
}

// Help and the status bar's link open their pages; the commands whose windows this build does not
// have are disabled, not silent; a new main window removes an extraction folder left by a killed run.
TEST_F(MainFrameScanTest, ShellCommandsUnbuiltCommandsAndLeftoverExtractionFolder) {
    frame.Command(ID_HELP_PAGE)->trigger();
    frame.Command(ID_STATUS_LINK)->trigger();
    EXPECT_EQ(pages, (QStringList{QString::fromLatin1(kHelpPage), QString::fromLatin1(kProductWebPage)}));
    for (const int id : {ID_SAVE_FILES, ID_SEARCH, ID_LOAD_SNAPSHOT, ID_SAVE_SNAPSHOT, ID_ABOUT})
        EXPECT_FALSE(frame.Command(id)->isEnabled()) << id;
    for (const int id : {ID_OPEN_BKF, ID_SAVE_LOG, ID_HELP_PAGE})
        EXPECT_TRUE(frame.Command(id)->isEnabled()) << id;

    const QString leftover = temp.filePath(QStringLiteral("ExngBKFTmp"));
    ASSERT_TRUE(QDir().mkpath(leftover + QStringLiteral("/a/b")));
    QFile file(leftover + QStringLiteral("/a/b/priv1.edb"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("data");
    file.close();
    CMainFrame second;
    ASSERT_TRUE(second.Create(false));
    EXPECT_FALSE(QFileInfo::exists(leftover));
}

TEST_F(MainFrameScanTest, StatusBarStopAndTheLogCommandReachTheController) {
    OpenAndWait([&] {
        questions.ScriptButton(platform::IDYES);
        frame.Command(ID_STATUS_STOP)->trigger();
    });
    ASSERT_GE(questions.Asked().size(), 2);
    EXPECT_EQ(questions.Asked()[1].text, QStringLiteral("Do you want to stop recovering file(s)?"));
    EXPECT_FALSE(frame.Scan()->Running());
    const int found = frame.Scan()->FoundFiles();
    const QStringList lines = LogLines();
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[lines.size() - 3], QStringLiteral("Number of Recovered files: %1").arg(found));
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("Quorin Tarvelo process completed.  ")));

    // Command 317 writes the log where the save dialog points.
    const QString saved = temp.filePath(QStringLiteral("scan-log.txt"));
    questions.ScriptPath(saved);
    frame.Command(ID_SAVE_LOG)->trigger();
    EXPECT_TRUE(QFileInfo::exists(saved));
}

} // namespace
} // namespace tarvelo::app
