// Shared set-up of the scan tests: a stand-in main window with the panes the scan writes, scripted
// answers to every question, a private temporary folder, and generated backups.
#pragma once

#include "controls/CCheckTreeCtrl.h"
#include "platform/UserQuestions.h"
#include "platform/WindowMessages.h"
#include "recovery/ScanController.h"
#include "recovery/ScanStatusDisplay.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace tarvelo::testing {

class FakeFrame : public QWidget, public platform::MessageTarget {
public:
    FakeFrame() : MessageTarget(this) {}
};

class RecordingStatus : public ScanStatusDisplay {
public:
    void SetProgressRange(int low, int high) override { range = {low, high}; }
    void SetProgressPosition(int value) override {
        position = value;
        maxPosition = std::max(maxPosition, value);
    }
    void SetPercentText(const QString& text) override { percent = text; }
    void SetProgressText(const QString& text) override { progress = text; }
    void SetFoundText(const QString& text) override {
        found = text;
        if (onFound)
            onFound();
    }
    std::pair<int, int> range{-1, -1};
    int position = -1;
    int maxPosition = -1;
    QString percent, progress, found;
    std::function<void()> onFound;
};

// A backup of `folders` folders with `filesPerFolder` small log files each, one set and volume.
void WriteLogFolderBackup(const std::filesystem::path& path, int folders, int filesPerFolder);
// The demo backup; returns the number of file entries written.
int WriteDemoBackupFile(const std::filesystem::path& path);

class ScanTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Answers the open dialog with `path` and runs Open; waits for the scan's end when asked.
    void Open(const QString& path, bool wait = true);
    [[nodiscard]] QStringList AskedTexts() const;
    [[nodiscard]] QString TempPath(const QString& name) const { return temp.filePath(name); }
    [[nodiscard]] std::filesystem::path RecordPath() const;

    QTemporaryDir temp;
    QByteArray oldTmpDir;
    FakeFrame frame;
    CCheckTreeCtrl* tree = nullptr;
    QListWidget* log = nullptr;
    QListWidget* fileList = nullptr;
    RecordingStatus status;
    std::vector<platform::WPARAM> busy;
    int backupInfoShown = 0;
    int previewCleared = 0;
    platform::ScriptedQuestions questions;
    std::unique_ptr<platform::ScopedQuestions> scopedQuestions;
    std::unique_ptr<ScanController> controller;
};

} // namespace tarvelo::testing
