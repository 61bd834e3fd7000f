#include "platform/MessageBoxStyles.h"
#include "platform/WebPage.h"
#include "platform/os/ProcessExit.h"
#include "reader/TextEncoding.h"
#include "recovery/RecordFile.h"
#include "recovery/SavedLog.h"
#include "recovery/ScanProgressText.h"
#include "recovery/TempFiles.h"
#include "tests/gui/ScanFixture.h"

#include <QDir>
#include <QFile>
#include <QMap>

#include <fstream>
#include <set>

namespace tarvelo::testing {
namespace {

using platform::IDNO;
using platform::IDYES;

// The path of a tree item below the backup file's item, as the records spell it.
QString TreePath(QTreeWidgetItem* item) {
    QStringList parts;
    for (; item != nullptr && item->parent() != nullptr; item = item->parent())
        parts.prepend(item->text(0));
    return parts.join(QLatin1Char('\\'));
}

// Smallest record number at or below an item.
quintptr FirstRecordBelow(QTreeWidgetItem* item) {
    quintptr best = CCheckTreeCtrl::GetItemData(item);
    for (int i = 0; i < item->childCount(); ++i) {
        const quintptr below = FirstRecordBelow(item->child(i));
        if (below != 0 && (best == 0 || below < best))
            best = below;
    }
    return best;
}

// In every folder the files come first, newest (highest record number) first, then the folders in
// the order they were first met.
void ExpectInsertionOrder(QTreeWidgetItem* folder) {
    quintptr lastFile = 0;
    quintptr lastFolder = 0;
    bool inFolders = false;
    for (int i = 0; i < folder->childCount(); ++i) {
        QTreeWidgetItem* child = folder->child(i);
        const quintptr data = CCheckTreeCtrl::GetItemData(child);
        if (data != 0 && child->childCount() == 0) {
            ASSERT_FALSE(inFolders) << TreePath(child).toStdString();
            if (lastFile != 0) {
                ASSERT_LT(data, lastFile);
            }
            lastFile = data;
        } else {
            inFolders = true;
            const quintptr first = FirstRecordBelow(child);
            ASSERT_GT(first, lastFolder) << TreePath(child).toStdString();
            lastFolder = first;
            ExpectInsertionOrder(child);
        }
    }
}

std::vector<FileRecord> ReadRecordFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<FileRecord> records;
    FileRecord::Bytes bytes{};
    while (in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        records.emplace_back(bytes);
    return records;
}

void CollectFiles(QTreeWidgetItem* item, QMap<quintptr, QString>& files) {
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem* child = item->child(i);
        if (const quintptr data = CCheckTreeCtrl::GetItemData(child))
            files.insert(data, TreePath(child));
        CollectFiles(child, files);
    }
}

TEST_F(ScanTest, DemoScanFillsTreeRecordFileLogAndStatus) {
    const QString backup = TempPath(QStringLiteral("demo.bkf"));
    const int entries = WriteDemoBackupFile(PathFromUtf16(backup.toStdU16String()));
    Open(backup);
    EXPECT_TRUE(questions.Asked().size() == 1) << AskedTexts().join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(controller->FoundFiles(), entries);
    EXPECT_FALSE(controller->Running());
    EXPECT_EQ(busy, (std::vector<platform::WPARAM>{1, 0}));
    EXPECT_EQ(status.range, std::make_pair(0, 1000));
    EXPECT_EQ(status.found, QStringLiteral("File Found: %1").arg(entries));
    EXPECT_EQ(status.percent, QStringLiteral("100.00%"));
    EXPECT_GE(status.maxPosition, 999); // truncated, while the percentage rounds
    EXPECT_EQ(backupInfoShown, 1);
    EXPECT_EQ(previewCleared, 1);

    // Record file: n x 2274 bytes, cleaned paths, in the order found.
    const std::vector<FileRecord> records = ReadRecordFile(RecordPath());
    ASSERT_EQ(records.size(), static_cast<std::size_t>(entries));
    EXPECT_EQ(std::filesystem::file_size(RecordPath()), records.size() * FileRecord::kSize);

    // Tree: one root, the backup path; every record a file item with its number; all checked.
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), backup);
    EXPECT_EQ(CCheckTreeCtrl::GetItemData(root), 0u);
    QMap<quintptr, QString> files;
    CollectFiles(root, files);
    ASSERT_EQ(files.size(), entries);
    for (quintptr n = 1; n <= records.size(); ++n) {
        const std::u16string path = records[n - 1].Path();
        EXPECT_EQ(path.find(u"\\\\"), std::u16string::npos);
        EXPECT_EQ(files.value(n), QString::fromStdU16String(path).section(QLatin1Char('\\'), 0, -1,
                                                                          QString::SectionSkipEmpty));
    }
    ExpectInsertionOrder(root);
    EXPECT_EQ(tree->GetItemCheck(root), 1);
    EXPECT_EQ(tree->Data(root)->checkedDescendantCount, tree->Data(root)->descendantCount);

    // Log: the opening block, one line per file, the closing block.
    const QStringList lines = controller->Log().Lines();
    ASSERT_EQ(lines.size(), 7 + entries + 4);
    EXPECT_EQ(lines[0], QString());
    EXPECT_EQ(lines[1], backup + QStringLiteral(" File is selected for recovery...."));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("Exchange Backup file size is: ")));
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral("(KB)")));
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("Exchange Backup file Recovery process starts.  ")));
    const FileRecord& first = records[0];
    EXPECT_EQ(lines[7],
              QString::fromStdU16String(first.Path()).section(QLatin1Char('\\'), -1) +
                  QStringLiteral("  file found.          File Size(Bytes): %1 ").arg(first.DataSize()));
    EXPECT_EQ(lines[7 + entries], QString());
    EXPECT_EQ(lines[8 + entries], QStringLiteral("Number of Recovered files: %1").arg(entries));
    EXPECT_TRUE(lines[10 + entries].startsWith(QStringLiteral("Quorin Tarvelo process completed.  ")));
}

TEST_F(ScanTest, StopDuringAScanEndsItCleanlyAndRefusesOtherCommandsMeanwhile) {
    const QString backup = TempPath(QStringLiteral("large.bkf"));
    WriteLogFolderBackup(PathFromUtf16(backup.toStdU16String()), 3, 2000);
    QStringList refusals;
    int stopAt = -1;
    status.onFound = [&] {
        const int found = controller->FoundFiles();
        if (found == 50) {
            // While the worker waits in its send: every command that needs the idle state refuses.
            questions.ScriptPath(backup); // would be the open dialog's answer; never asked
            controller->OnOpen();
            controller->OnClose();
            controller->OnSaveLog();
            questions.ScriptButton(IDNO);
            controller->OnStop(); // No: the scan goes on
        } else if (found == 120) {
            questions.Clear();
            questions.ScriptButton(IDYES);
            controller->OnStop();
            stopAt = found;
        }
    };
    Open(backup);
    const QStringList asked = AskedTexts();
    ASSERT_GE(stopAt, 0);
    EXPECT_EQ(asked, QStringList{QStringLiteral("Do you want to stop recovering file(s)?")});
    // The reader stops at its next check: a few more records may arrive, not the whole backup.
    EXPECT_GE(controller->FoundFiles(), 120);
    EXPECT_LT(controller->FoundFiles(), 6000);
    const QStringList lines = controller->Log().Lines();
    EXPECT_EQ(lines[lines.size() - 3],
              QStringLiteral("Number of Recovered files: %1").arg(controller->FoundFiles()));
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("Quorin Tarvelo process completed.  ")));
    EXPECT_EQ(tree->GetItemCheck(tree->topLevelItem(0)), 1);
    EXPECT_EQ(busy, (std::vector<platform::WPARAM>{1, 0}));
    EXPECT_FALSE(controller->Running());
}

TEST_F(ScanTest, RefusalsWhileRunningAreTheDocumentedMessages) {
    const QString backup = TempPath(QStringLiteral("large.bkf"));
    WriteLogFolderBackup(PathFromUtf16(backup.toStdU16String()), 1, 500);
    QStringList asked;
    status.onFound = [&] {
        if (controller->FoundFiles() != 10)
            return;
        questions.Clear();
        controller->OnOpen();
        controller->OnClose();
        controller->OnSaveLog();
        asked = AskedTexts();
    };
    Open(backup);
    EXPECT_EQ(asked,
              (QStringList{QStringLiteral("Please stop the running process to open Exchange Backup file."),
                           QStringLiteral("Please stop the running process to close the application."),
                           QStringLiteral("Please stop the running process to save the log file.")}));
    EXPECT_EQ(controller->FoundFiles(), 500);
}

TEST_F(ScanTest, ASecondOpenReplacesTreeLogAndRecordFile) {
    const QString demo = TempPath(QStringLiteral("demo.bkf"));
    const int demoEntries = WriteDemoBackupFile(PathFromUtf16(demo.toStdU16String()));
    const QString other = TempPath(QStringLiteral("other.bkf"));
    WriteLogFolderBackup(PathFromUtf16(other.toStdU16String()), 2, 3);
    Open(demo);
    ASSERT_EQ(controller->FoundFiles(), demoEntries);
    Open(other);
    EXPECT_EQ(controller->FoundFiles(), 6);
    EXPECT_EQ(std::filesystem::file_size(RecordPath()), 6 * FileRecord::kSize);
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), other);
    QMap<quintptr, QString> files;
    CollectFiles(tree->topLevelItem(0), files);
    EXPECT_EQ(files.keys(), (QList<quintptr>{1, 2, 3, 4, 5, 6}));
    const QStringList lines = controller->Log().Lines();
    EXPECT_EQ(lines[1], other + QStringLiteral(" File is selected for recovery...."));
    EXPECT_EQ(lines.size(), 7 + 6 + 4);
    EXPECT_EQ(busy, (std::vector<platform::WPARAM>{1, 0, 1, 0}));
}

TEST_F(ScanTest, OpenRefusesInvalidChoicesAndChangesNothing) {
    const QString upper = TempPath(QStringLiteral("BACKUP.BKF"));
    WriteDemoBackupFile(PathFromUtf16(upper.toStdU16String()));
    const QString invalid = QStringLiteral("Please select valid Exchange Backup file to recover.");
    struct Case {
        QString path;
        bool refused;
    };
    const Case cases[] = {
        {upper, true},                                   // the test is case-sensitive
        {TempPath(QStringLiteral("missing.bkf")), true}, // no such file
        {QString(), false},                              // the dialog was cancelled
    };
    for (const Case& c : cases) {
        questions.Clear();
        Open(c.path);
        EXPECT_EQ(AskedTexts().size(), c.refused ? 2 : 1) << c.path.toStdString();
        if (c.refused) {
            EXPECT_EQ(questions.Asked()[1].text, invalid);
            EXPECT_EQ(questions.Asked()[1].owner, nullptr);
        }
    }
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    EXPECT_TRUE(busy.empty());
    EXPECT_EQ(log->count(), 0);
    // The open dialog offers the backup files by their "bkf" ending.
    EXPECT_TRUE(questions.Asked()[0].filter.contains(QStringLiteral("(*bkf)")));
}

TEST_F(ScanTest, HandlerCleansPathsAndFollowsTheTreeRules) {
    const QString demo = TempPath(QStringLiteral("demo.bkf"));
    const int entries = WriteDemoBackupFile(PathFromUtf16(demo.toStdU16String()));
    Open(demo);
    auto send = [&](const std::u16string& path, std::uint32_t size) {
        auto record = std::make_unique<FileRecord>();
        record->SetPath(path);
        record->SetDataSize(size);
        return platform::SendMessage(&frame, platform::WM_SCAN_FILE_FOUND, 0,
                                     reinterpret_cast<platform::LPARAM>(record.release()));
    };
    QTreeWidgetItem* root = tree->topLevelItem(0);
    const int before = tree->Data(root)->descendantCount;
    EXPECT_EQ(send(u"SetA\\\\C:\\\\Logs\\Logs", 5), 1);
    EXPECT_EQ(send(u"SetA\\C:\\Logs\\Logs", 6), 1); // the same path again: counted, no new item
    EXPECT_EQ(send(u"noslash", 7), 1);              // counted and stored, not in the tree
    EXPECT_EQ(send(u"SetA\\C:\\Logs\\", 8), 1);     // a trailing backslash makes a folder only
    EXPECT_EQ(controller->FoundFiles(), entries + 4);
    EXPECT_EQ(tree->Data(root)->descendantCount, before + 4); // SetA, C:, Logs, Logs

    QTreeWidgetItem* logs =
        tree->FindChild(tree->FindChild(tree->FindChild(root, u"SetA"_qs), u"C:"_qs), u"Logs"_qs);
    ASSERT_NE(logs, nullptr);
    QTreeWidgetItem* file = tree->FindChild(logs, u"Logs"_qs);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(CCheckTreeCtrl::GetItemData(file), static_cast<quintptr>(entries + 1));
    controller->Records().Flush(); // the end of a scan does this; these records came after it
    const std::vector<FileRecord> records = ReadRecordFile(RecordPath());
    ASSERT_EQ(records.size(), static_cast<std::size_t>(entries + 4));
    EXPECT_EQ(records[static_cast<std::size_t>(entries)].Path(), u"SetA\\C:\\Logs\\Logs");
    EXPECT_EQ(records[static_cast<std::size_t>(entries) + 2].Path(), u"noslash");
    EXPECT_EQ(controller->Log().Lines().last(),
              QStringLiteral("  file found.          File Size(Bytes): 8 "));
}

TEST_F(ScanTest, CloseAsksThenRemovesTemporaryFilesOpensTheWebPageAndEnds) {
    const QString demo = TempPath(QStringLiteral("demo.bkf"));
    WriteDemoBackupFile(PathFromUtf16(demo.toStdU16String()));
    Open(demo);
    std::filesystem::create_directories(ExtractionFolderPath());
    std::ofstream(ExtractionFolderPath() / "priv1.edb") << "copy";
    static std::vector<std::uint32_t> exitCodes;
    exitCodes.clear();
    const os::ExitHook previousHook = os::SetExitHook([](std::uint32_t code) { exitCodes.push_back(code); });
    QStringList pages;
    const platform::WebPageOpener previousOpener =
        platform::SetWebPageOpener([&](const QString& url) { pages.push_back(url); });

    questions.Clear();
    questions.ScriptButton(IDNO);
    EXPECT_FALSE(controller->OnClose());
    EXPECT_TRUE(std::filesystem::exists(RecordPath()));
    EXPECT_TRUE(exitCodes.empty());

    questions.ScriptButton(IDYES);
    EXPECT_TRUE(controller->OnClose());
    EXPECT_EQ(AskedTexts(), (QStringList{QStringLiteral("Are you sure to close the application."),
                                         QStringLiteral("Are you sure to close the application.")}));
    EXPECT_EQ(questions.Asked()[1].style, platform::MB_YESNO | platform::MB_ICONINFORMATION);
    EXPECT_FALSE(std::filesystem::exists(RecordPath()));
    EXPECT_FALSE(std::filesystem::exists(ExtractionFolderPath()));
    EXPECT_EQ(pages.size(), 1);
    EXPECT_EQ(exitCodes, std::vector<std::uint32_t>{0xFFFFFFFFu});
    os::SetExitHook(previousHook);
    platform::SetWebPageOpener(previousOpener);
}

TEST_F(ScanTest, SavedLogHoldsTheHeaderAndEveryRowInUtf16) {
    questions.ScriptPath(TempPath(QStringLiteral("early.txt")));
    controller->OnSaveLog(); // nothing scanned yet
    EXPECT_EQ(AskedTexts(),
              QStringList{QStringLiteral(
                  "Please start the recovery process of Exchange Backup file to save the log file.")});

    const QString demo = TempPath(QStringLiteral("demo.bkf"));
    WriteDemoBackupFile(PathFromUtf16(demo.toStdU16String()));
    Open(demo);
    questions.Clear();
    questions.ScriptPath(QString()); // cancelled: no file, not even "Untitled"
    controller->OnSaveLog();
    EXPECT_EQ(questions.Asked()[0].initialPath, QStringLiteral("Untitled"));
    EXPECT_TRUE(questions.Asked()[0].filter.startsWith(QStringLiteral("Text Files (*.TXT)")));
    EXPECT_FALSE(QFile::exists(TempPath(QStringLiteral("Untitled"))));
    EXPECT_FALSE(QFile::exists(TempPath(QStringLiteral("Untitled.txt"))));

    questions.ScriptPath(TempPath(QStringLiteral("saved"))); // the default extension is added
    controller->OnSaveLog();
    QFile saved(TempPath(QStringLiteral("saved.txt")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QString expected = QStringLiteral("File generated by Quorin Tarvelo software.\r\n\r\n");
    for (const QString& line : controller->Log().Lines())
        expected += line + QStringLiteral("\r\n");
    EXPECT_EQ(bytes.left(4), QByteArray("F\0i\0", 4)); // no byte-order mark
    EXPECT_EQ(bytes, QByteArray(reinterpret_cast<const char*>(expected.utf16()), expected.size() * 2));
    EXPECT_TRUE(expected.contains(QStringLiteral("\r\n\r\n\r\n"))); // the first log row is empty

    questions.Clear();
    questions.ScriptPath(TempPath(QStringLiteral("no/such/folder/log.txt")));
    controller->OnSaveLog();
    ASSERT_EQ(questions.Asked().size(), 2);
    EXPECT_TRUE(questions.Asked()[1].text.contains(QStringLiteral("log.txt")));
}

TEST(ScanProgressText, NeverShowsMoreThanTheWholeFile) {
    struct Case {
        std::uint64_t position, length;
        int bar;
        const char* percent;
        const char* progress;
    };
    const Case cases[] = {
        {0, 1000, 0, "0.00%", "Progress: 0/1000"},
        {1, 3, 333, "33.33%", "Progress: 1/3"},
        {999, 1000, 999, "99.90%", "Progress: 999/1000"},
        {1000, 1000, 1000, "100.00%", "Progress: 1000/1000"},
        {1024, 1000, 1000, "100.00%", "Progress: 1000/1000"}, // the last window steps past the end
        {0, 0, 0, "0.00%", "Progress: 0/0"},
        {std::uint64_t{5} << 32, std::uint64_t{10} << 32, 500, "50.00%", "Progress: 21474836480/42949672960"},
    };
    for (const Case& c : cases) {
        const ScanProgressDisplay display = DescribeScanProgress(c.position, c.length);
        EXPECT_EQ(display.barPosition, c.bar) << c.position;
        EXPECT_EQ(display.percentText, c.percent) << c.position;
        EXPECT_EQ(display.progressText, c.progress) << c.position;
    }
}

} // namespace
} // namespace tarvelo::testing
