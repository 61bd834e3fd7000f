// The main frame's side of a scan: the scan controller on the frame's panes, its message handlers, the
// commands that call it and the close request.
#include "app/CCKestroTrelliqView.h"
#include "app/CMainFrame.h"
#include "app/COutputWnd.h"
#include "app/CPropertiesWnd.h"
#include "app/StatusBarScanDisplay.h"
#include "app/res/Resource.h"
#include "controls/CCheckTreeCtrl.h"
#include "dbheader/CPropertyGridCtrl.h"
#include "dbheader/PropertiesContent.h"
#include "platform/ShellIcons.h"
#include "recovery/ScanController.h"

#include <QAction>
#include <QCloseEvent>
#include <QTreeWidget>

namespace tarvelo::app {

ScanControl& CMainFrame::Control() {
    return scan_->Control();
}

void CMainFrame::CreateScanController() {
    scanStatus_ = std::make_unique<StatusBarScanDisplay>(*this);
    ScanViews views;
    views.mainWindow = this;
    views.target = this;
    views.tree = tree_;
    views.logList = logList_;
    views.fileList = fileList_;
    views.status = scanStatus_.get();
    views.showBackupFileInfo = [this] { ShowBackupFileInfo(); };
    // The preview's content is not drawn in the viewer yet; clearing it comes down to showing the log.
    views.clearPreview = [this] { output_->ShowTab(COutputWnd::kLogTab); };
    views.iconForName = [](const QString& name) { return platform::SmallIconForName(name); };
    views.folderIcon = platform::FolderIcon();
    scan_ = std::make_unique<ScanController>(views);
    scan_->MapMessages();

    const auto connectCommand = [this](int id, void (ScanController::*handler)()) {
        connect(Command(id), &QAction::triggered, scan_.get(), handler);
    };
    connectCommand(ID_OPEN_BKF, &ScanController::OnOpen);
    connectCommand(ID_STOP, &ScanController::OnStop);
    connectCommand(ID_STATUS_STOP, &ScanController::OnStop);
    connectCommand(ID_SAVE_LOG, &ScanController::OnSaveLog);
    // The Stop command follows the running flag at once when a scan starts and ends.
    connect(scan_.get(), &ScanController::ScanStarted, this, &CMainFrame::UpdateCommandStates);
    connect(scan_.get(), &ScanController::ScanFinished, this, &CMainFrame::UpdateCommandStates);
}

void CMainFrame::ShowBackupFileInfo() {
    BackupFileTexts texts;
    texts.path = scan_->BackupPath().toStdU16String();
    texts.sizeText = scan_->SizeText().toStdU16String();
    texts.created = scan_->CreatedText().toStdU16String();
    texts.lastWrite = scan_->LastWriteText().toStdU16String();
    texts.lastAccess = scan_->LastAccessText().toStdU16String();
    tarvelo::ShowBackupFileInfo(*propertyGrid_, texts);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (scan_ != nullptr && !scan_->OnClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace tarvelo::app
