#include "app/StatusBarScanDisplay.h"

#include "app/CKestroRibbonStatusBarCls.h"
#include "app/CMainFrame.h"
#include "app/res/Resource.h"

#include <QProgressBar>

namespace tarvelo::app {

// The busy elements exist only between the two WM_SCAN_BUSY messages; outside them the writes go nowhere.
void StatusBarScanDisplay::SetProgressRange(int low, int high) {
    if (QProgressBar* bar = frame_.BusyProgressBar())
        bar->setRange(low, high);
}

void StatusBarScanDisplay::SetProgressPosition(int position) {
    if (QProgressBar* bar = frame_.BusyProgressBar())
        bar->setValue(position);
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
