// Writes a scan's progress into the busy layout of the main window's status bar. The progress bar
// repaints itself at once on every new value, which during a fast scan would repaint the window up to
// a thousand times; new positions are therefore shown at most every kBarIntervalMs (the last one always
// arrives, by a timer).
#pragma once

#include "recovery/ScanStatusDisplay.h"

#include <QElapsedTimer>
#include <QTimer>

namespace tarvelo::app {

class CMainFrame;

class StatusBarScanDisplay : public ScanStatusDisplay {
public:
    static constexpr int kBarIntervalMs = 50;

    explicit StatusBarScanDisplay(CMainFrame& frame);

    void SetProgressRange(int low, int high) override;
    void SetProgressPosition(int position) override;
    void SetPercentText(const QString& text) override;
    void SetProgressText(const QString& text) override;
    void SetFoundText(const QString& text) override;

private:
    void ShowPendingPosition();

    CMainFrame& frame_;
    QElapsedTimer sinceBar_;
    QTimer barTimer_;
    int pendingPosition_ = -1;
};

} // namespace tarvelo::app
