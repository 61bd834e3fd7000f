#include "app/StatusBarScanDisplay.h"

#include "app/CKestroRibbonStatusBarCls.h"
#include "app/CMainFrame.h"
#include "app/res/Resource.h"

#include <QProgressBar>

namespace tarvelo::app {

StatusBarScanDisplay::StatusBarScanDisplay(CMainFrame& frame) : frame_(frame) {
    barTimer_.setSingleShot(true);
    QObject::connect(&barTimer_, &QTimer::timeout, [this] { ShowPendingPosition(); });
}

// The busy elements exist only between the two WM_SCAN_BUSY messages; outside them the writes go nowhere.
void StatusBarScanDisplay::SetProgressRange(int low, int high) {
    if (QProgressBar* bar = frame_.BusyProgressBar())
        bar->setRange(low, high);
}

void StatusBarScanDisplay::SetProgressPosition(int position) {
    pendingPosition_ = position;
    // The first position of a scan (0, right after the range) and any after a quiet spell show at once.
    if (!sinceBar_.isValid() || sinceBar_.elapsed() >= kBarIntervalMs || position == 0) {
        barTimer_.stop();
        ShowPendingPosition();
    } else if (!barTimer_.isActive()) {
        barTimer_.start(kBarIntervalMs);
    }
}

void StatusBarScanDisplay::ShowPendingPosition() {
    if (pendingPosition_ < 0)
        return;
    if (QProgressBar* bar = frame_.BusyProgressBar())
        bar->setValue(pendingPosition_);
    pendingPosition_ = -1;
    sinceBar_.start();
}

void StatusBarScanDisplay::SetPercentText(const QString& text) {
    frame_.StatusBar()->SetPaneText(ID_STATUS_PERCENT, text);
}

void StatusBarScanDisplay::SetProgressText(const QString& text) {
    frame_.StatusBar()->SetPaneText(ID_STATUS_PROGRESS_PANE, text);
}

void StatusBarScanDisplay::SetFoundText(const QString& text) {
    frame_.StatusBar()->SetPaneText(ID_STATUS_FOUND_PANE, text);
}

} // namespace tarvelo::app
