// The scan worker and the handlers of its messages, which run on the user-interface thread while the
// worker waits in its send.
#include "controls/CCheckTreeCtrl.h"
#include "platform/MessageBoxStyles.h"
#include "reader/MtfReader.h"
#include "reader/TextEncoding.h"
#include "recovery/DisplayPath.h"
#include "recovery/LogText.h"
#include "recovery/ScanController.h"
#include "recovery/ScanProgressText.h"
#include "recovery/ScanStatusDisplay.h"

#include <QEventLoop>
#include <QMetaObject>

namespace tarvelo {

void ScanController::ScanThreadProc() {
    auto reader = std::make_unique<MtfReader>(control_, *sink_);
    MtfReader* scanning = reader.get();
    // The reader belongs to the window's state; nothing else touches it while the running flag is set.
    reader_ = std::move(reader);
    const ScanResult result = scanning->Scan(PathFromUtf16(backupPath_.toStdU16String()));
    // Records still waiting in the sink reach the window before the end steps.
    sink_->Flush();
    // The end steps use the tree, the log and the status bar, which belong to the user-interface
    // thread: they run there, in one piece, while this thread waits.
    QMetaObject::invokeMethod(
        this, [this, result] { FinishScan(static_cast<int>(result)); }, Qt::BlockingQueuedConnection);
}

void ScanController::FinishScan(int scanResult) {
    if (static_cast<ScanResult>(scanResult) == ScanResult::OpenFailed)
        Message(nullptr, QStringLiteral("Failed to open the file"),
                platform::MB_OK | platform::MB_ICONINFORMATION);
    if (views_.tree != nullptr) {
        for (int i = 0; i < views_.tree->topLevelItemCount(); ++i)
            views_.tree->SetItemCheck(views_.tree->topLevelItem(i), true);
    }
    control_.running.store(0);
    recordFile_.Flush();
    throttle_.Stop();
    if (reader_ != nullptr)
        reader_->CloseBackup();
    platform::SendMessage(views_.target, platform::WM_SCAN_BUSY, 0, 0);
    for (const std::u16string& line :
         ScanEndLogLines(static_cast<std::uint32_t>(foundFiles_), FormatLogTime()))
        log_.Append(QString::fromStdU16String(line));
    log_.ShowLastLine();
    Q_EMIT ScanFinished();
}

platform::LRESULT ScanController::OnScanFileFound(platform::LPARAM lParam) {
    std::unique_ptr<FileRecord> record(reinterpret_cast<FileRecord*>(lParam));
    if (record == nullptr)
        return 1;
    foundFiles_ += 1;
    const auto number = static_cast<quintptr>(foundFiles_);
    CleanRecordPath(*record);
    const std::u16string path = record->Path();
    if (views_.tree != nullptr)
        AddPathToTree(*views_.tree, QString::fromStdU16String(path), number, icons_);
    recordFile_.Append(*record);
    if (views_.status != nullptr)
        views_.status->SetFoundText(QStringLiteral("File Found: %1").arg(foundFiles_));
    log_.Append(QString::fromStdU16String(FileFoundLogLine(path, record->DataSize())));
    log_.ShowLastLine();
    return 1;
}

platform::LRESULT ScanController::OnScanProgress(platform::WPARAM wParam) {
    const std::unique_ptr<ProgressRecord> record(reinterpret_cast<ProgressRecord*>(wParam));
    if (record == nullptr || views_.status == nullptr)
        return 1;
    const ScanProgressDisplay display = DescribeScanProgress(record->position, record->length);
    views_.status->SetProgressText(QString::fromStdString(display.progressText));
    views_.status->SetProgressPosition(display.barPosition);
    views_.status->SetPercentText(QString::fromStdString(display.percentText));
    return 1;
}

void ScanController::WaitForWorker() {
    if (worker_ == nullptr)
        return;
    // The worker's sends are handled by this thread: run an event loop until the worker has ended.
    QEventLoop loop;
    connect(worker_.get(), &QThread::finished, &loop, &QEventLoop::quit);
    if (!worker_->isFinished())
        loop.exec();
    worker_.reset();
}

} // namespace tarvelo
