// The main window's side of a scan: the Open command, the scan worker, the handlers of the scan's
// messages, Stop, Close and saving the log. It owns the recovery state that later commands read (the
// flags, the reader, the backup file path, the found-files counter, the record file, and the texts
// about the backup file shown in the properties pane).
#pragma once

#include "platform/WindowMessages.h"
#include "reader/ScanRecords.h"
#include "recovery/ContentTreePaths.h"
#include "recovery/LogWindow.h"
#include "recovery/RecordFile.h"
#include "recovery/ScanRepaintThrottle.h"
#include "recovery/WindowScanSink.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <functional>
#include <memory>

class QAbstractItemView;
class QWidget;

namespace tarvelo {

class CCheckTreeCtrl;
class MtfReader;
class ScanStatusDisplay;

// What the controller works on; the main window fills it in when it builds its panes.
struct ScanViews {
    QWidget* mainWindow = nullptr;             // owner of the messages and dialogs
    platform::MessageTarget* target = nullptr; // receives the scan's messages
    CCheckTreeCtrl* tree = nullptr;            // content tree of the left pane
    QAbstractItemView* logList = nullptr;      // "Log Window" list
    QAbstractItemView* fileList = nullptr;     // right-hand list; emptied at Open
    ScanStatusDisplay* status = nullptr;       // busy layout of the status bar
    std::function<void()> showBackupFileInfo;  // properties pane
    std::function<void()> clearPreview;        // file viewer
    std::function<QIcon(const QString&)> iconForName;
    QIcon folderIcon;
};

class ScanController : public QObject {
    Q_OBJECT
public:
    static constexpr std::uint32_t kCloseExitCode = 0xFFFFFFFF;

    explicit ScanController(ScanViews views, QObject* parent = nullptr);
    ~ScanController() override;

    // Maps WM_SCAN_FILE_FOUND and WM_SCAN_PROGRESS on the target window.
    void MapMessages();

    void OnOpen(); // command 313
    void OnStop(); // commands 314 and 329
    // The close request of the main window; false when the window stays open. On Yes the process
    // ends (in tests the exit hook returns and so does this function, with true).
    bool OnClose();
    void OnSaveLog(); // command 317
    platform::LRESULT OnScanFileFound(platform::LPARAM record);
    platform::LRESULT OnScanProgress(platform::WPARAM record);

    // Recovery state.
    [[nodiscard]] ScanControl& Control() { return control_; }
    [[nodiscard]] bool Running() const { return control_.running.load() != 0; }
    [[nodiscard]] int FoundFiles() const { return foundFiles_; }
    [[nodiscard]] const QString& BackupPath() const { return backupPath_; }
    [[nodiscard]] const QString& SizeText() const { return sizeText_; }
    [[nodiscard]] const QString& CreatedText() const { return dateTexts_[0]; }
    [[nodiscard]] const QString& LastWriteText() const { return dateTexts_[1]; }
    [[nodiscard]] const QString& LastAccessText() const { return dateTexts_[2]; }
    [[nodiscard]] MtfReader* Reader() const { return reader_.get(); }
    [[nodiscard]] tarvelo::RecordFile& Records() { return recordFile_; }
    [[nodiscard]] LogWindow& Log() { return log_; }
    [[nodiscard]] const ScanViews& Views() const { return views_; }

    // Waits until the scan worker has ended (tests, and before a new worker starts).
    void WaitForWorker();

Q_SIGNALS:
    // The worker has been started (the running flag is set).
    void ScanStarted();
    void ScanFinished();

private:
    void ScanThreadProc();
    void FinishScan(int scanResult); // the worker's end steps, run on the user-interface thread
    void ReadBackupFileTexts();
    int Message(QWidget* owner, const QString& text, unsigned style);

    ScanViews views_;
    ScanControl control_;
    std::unique_ptr<MtfReader> reader_;
    QString backupPath_;
    int foundFiles_ = 0;
    RecordFile recordFile_;
    QString sizeText_;
    QString dateTexts_[3]; // creation, last write, last access
    LogWindow log_;
    TreeIcons icons_;
    ScanRepaintThrottle throttle_;
    std::unique_ptr<WindowScanSink> sink_;
    std::unique_ptr<QThread> worker_;
};

} // namespace tarvelo
