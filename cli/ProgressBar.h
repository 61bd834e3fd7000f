// The progress bar on standard error: percentage, speed, files found, time left. Drawn only when
// standard error is a terminal, redrawn at most ten times a second, erased when the work ends.
#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

namespace tarvelo::cli {

// "[#########-----------]  45.2%  120.5 MiB/s  1234 files  0:12 left" (speed and time left only
// once some time has passed).
std::string ProgressLine(std::uint64_t done, std::uint64_t total, std::uint64_t files,
                         std::chrono::duration<double> elapsed);

class ProgressBar {
public:
    using Clock = std::chrono::steady_clock;

    ProgressBar(std::ostream& err, bool enabled) : err_(err), enabled_(enabled), start_(Clock::now()) {}
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;
    ~ProgressBar() { Clear(); }

    void Update(std::uint64_t done, std::uint64_t total, std::uint64_t files);
    // A new phase of the work (extraction after the scan): speed and time left count from now.
    void Restart();
    // Erases the bar so that the next line starts clean.
    void Clear();

private:
    std::ostream& err_;
    bool enabled_;
    Clock::time_point start_;
    Clock::time_point lastDraw_{};
    std::size_t drawnWidth_ = 0;
};

} // namespace tarvelo::cli
