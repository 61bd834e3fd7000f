// The Open command: checks, reset of the window, the record file, the log's opening block, and the
// start of the scan worker.
#include "controls/AppMessageBox.h"
#include "controls/CCheckTreeCtrl.h"
#include "platform/MessageBoxStyles.h"
#include "platform/UserQuestions.h"
#include "reader/MtfReader.h"
#include "reader/TextEncoding.h"
#include "recovery/BackupFileFacts.h"
#include "recovery/LogText.h"
#include "recovery/ScanController.h"
#include "recovery/ScanStatusDisplay.h"
#include "recovery/TempFiles.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QFileInfo>
#include <QWidget>

namespace tarvelo {

namespace {

QString FromU16(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

QStringList ToLines(const LogLines& lines) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::u16string& line : lines)
        out.push_back(FromU16(line));
    return out;
}

} // namespace

ScanController::ScanController(ScanViews views, QObject* parent)
    : QObject(parent), views_(std::move(views)), log_(views_.logList),
      icons_(views_.iconForName, views_.folderIcon) {}

ScanController::~ScanController() {
    // A worker still running at teardown (tests) is stopped before the objects it uses go away.
    control_.running.store(0);
    WaitForWorker();
}

void ScanController::MapMessages() {
    if (views_.target == nullptr)
        return;
    views_.target->MapMessage(platform::WM_SCAN_FILE_FOUND,
                              [this](platform::WPARAM, platform::LPARAM l) { return OnScanFileFound(l); });
    views_.target->MapMessage(platform::WM_SCAN_PROGRESS,
                              [this](platform::WPARAM w, platform::LPARAM) { return OnScanProgress(w); });
}

void ScanController::ReadBackupFileTexts() {
    const std::filesystem::path path = PathFromUtf16(backupPath_.toStdU16String());
    if (const std::optional<BackupFileDates> dates = ReadDateTexts(path)) {
        for (std::size_t i = 0; i < dates->texts.size(); ++i)
            dateTexts_[i] = FromU16(dates->texts[i]);
    }
}

void ScanController::OnOpen() {
    if (Running()) {
        Message(views_.mainWindow,
                QStringLiteral("Please stop the running process to open Exchange Backup file."),
                platform::MB_OK | platform::MB_ICONINFORMATION);
        return;
    }
    QString chosen = platform::OpenFileName(views_.mainWindow, QString(),
                                            QStringLiteral(".Exchange Backup Files (*.bkf) (*bkf)"));
    if (chosen.isEmpty())
        return;
    chosen = chosen.trimmed();
    // The test is case-sensitive on purpose: 'BACKUP.BKF' is refused.
    if (!chosen.contains(QStringLiteral(".bkf")) || !QFileInfo::exists(chosen)) {
        Message(nullptr, QStringLiteral("Please select valid Exchange Backup file to recover."),
                platform::MB_OK | platform::MB_ICONINFORMATION);
        return;
    }
    WaitForWorker(); // the previous worker has done its end steps; let its thread finish

    if (recordFile_.IsOpen())
        recordFile_.CloseAndRemove();
    const std::filesystem::path recordPath = RecordFilePath();

    backupPath_ = chosen;
    ReadBackupFileTexts();
    if (views_.clearPreview)
        views_.clearPreview();
    foundFiles_ = 0;

    if (views_.fileList != nullptr && views_.fileList->model() != nullptr) {
        QAbstractItemModel* model = views_.fileList->model();
        model->removeRows(0, model->rowCount());
    }
    if (views_.tree != nullptr)
        views_.tree->RemoveAllItems();
    reader_.reset();

    if (views_.tree != nullptr) {
        const QIcon icon = icons_.ForFileName(QFileInfo(backupPath_).fileName());
        views_.tree->AddItem(backupPath_, icon, icon, nullptr, CCheckTreeCtrl::Insert::Last);
    }

    platform::SendMessage(views_.target, platform::WM_SCAN_BUSY, 1, 0);
    if (views_.status != nullptr) {
        views_.status->SetProgressRange(0, 1000);
        views_.status->SetProgressPosition(0);
    }
    control_.running.store(1);

    sizeText_ = FromU16(ReadSizeText(PathFromUtf16(backupPath_.toStdU16String())));
    log_.Clear();
    log_.Append(
        ToLines(OpenLogLines(backupPath_.toStdU16String(), sizeText_.toStdU16String(), FormatLogTime())));
    log_.ShowLastLine();

    std::string error;
    recordFile_ = RecordFile::Create(recordPath, error);
    if (!recordFile_.IsOpen()) {
        // Without a record file nothing found could be kept: say why and go back to idle.
        control_.running.store(0);
        platform::SendMessage(views_.target, platform::WM_SCAN_BUSY, 0, 0);
        Message(views_.mainWindow, QString::fromStdString(error),
                platform::MB_OK | platform::MB_ICONINFORMATION);
        return;
    }

    if (views_.showBackupFileInfo)
        views_.showBackupFileInfo();

    throttle_.Start(views_.mainWindow != nullptr ? views_.mainWindow->window() : nullptr,
                    {views_.tree, views_.logList});
    sink_ = std::make_unique<WindowScanSink>(views_.target);
    worker_.reset(QThread::create([this] { ScanThreadProc(); }));
    worker_->start(QThread::NormalPriority);
    Q_EMIT ScanStarted();
}

int ScanController::Message(QWidget* owner, const QString& text, unsigned style) {
    return controls::AppMessageBox(owner, text, style);
}

} // namespace tarvelo
