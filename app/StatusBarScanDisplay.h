// Writes a scan's progress into the busy layout of the main window's status bar.
#pragma once

#include "recovery/ScanStatusDisplay.h"

namespace tarvelo::app {

class CMainFrame;

class StatusBarScanDisplay : public ScanStatusDisplay {
public:
    explicit StatusBarScanDisplay(CMainFrame& frame) : frame_(frame) {}

    void SetProgressRange(int low, int high) override;
    void SetProgressPosition(int position) override;
    void SetPercentText(const QString& text) override;
    void SetProgressText(const QString& text) override;
    void SetFoundText(const QString& text) override;

private:
    CMainFrame& frame_;
};

} // namespace tarvelo::app
