// The parts of the status bar's busy layout that a scan writes.
#pragma once

#include <QString>

namespace tarvelo {

class ScanStatusDisplay {
public:
    ScanStatusDisplay() = default;
    ScanStatusDisplay(const ScanStatusDisplay&) = delete;
    ScanStatusDisplay& operator=(const ScanStatusDisplay&) = delete;
    virtual ~ScanStatusDisplay() = default;

    virtual void SetProgressRange(int low, int high) = 0;
    virtual void SetProgressPosition(int position) = 0;
    virtual void SetPercentText(const QString& text) = 0;
    virtual void SetProgressText(const QString& text) = 0;
    virtual void SetFoundText(const QString& text) = 0;
};

} // namespace tarvelo
