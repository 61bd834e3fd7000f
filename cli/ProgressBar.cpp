#include "cli/ProgressBar.h"

#include "cli/TextOutput.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace tarvelo::cli {

namespace {

constexpr std::size_t kBarWidth = 20;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

std::string Duration(double seconds) {
    const auto whole = static_cast<std::uint64_t>(seconds + 0.5);
    std::array<char, 32> buffer{};
    if (whole >= 3600) {
        std::snprintf(
            buffer.data(), buffer.size(), "%llu:%02llu:%02llu", static_cast<unsigned long long>(whole / 3600),
            static_cast<unsigned long long>(whole / 60 % 60), static_cast<unsigned long long>(whole % 60));
    } else {
        std::snprintf(buffer.data(), buffer.size(), "%llu:%02llu",
                      static_cast<unsigned long long>(whole / 60),
                      static_cast<unsigned long long>(whole % 60));
    }
    return buffer.data();
}

} // namespace

std::string ProgressLine(std::uint64_t done, std::uint64_t total, std::uint64_t files,
                         std::chrono::duration<double> elapsed) {
    const double fraction =
        total == 0 ? 1.0 : std::min(1.0, static_cast<double>(done) / static_cast<double>(total));
    const auto filled = static_cast<std::size_t>(fraction * static_cast<double>(kBarWidth));
    std::array<char, 32> percent{};
    // Rounded down, like the bar: "100.0%" only when everything is done.
    std::snprintf(percent.data(), percent.size(), "%5.1f%%", std::floor(fraction * 1000.0) / 10.0);
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about chains of "text" + string.
    std::string line;
    line.reserve(96);
    line += '[';
    line.append(filled, '#');
    line.append(kBarWidth - filled, '-');
    line += "] ";
    line += percent.data();
    const double seconds = elapsed.count();
    const bool timed = seconds >= 0.2 && done > 0;
    const double speed = timed ? static_cast<double>(done) / seconds : 0.0;
    if (timed) {
        line += "  ";
        line += FormatSize(static_cast<std::uint64_t>(speed));
        line += "/s";
    }
    line += "  ";
    line += std::to_string(files);
    line += files == 1 ? " file" : " files";
    if (timed) {
        line += "  ";
        line += Duration(static_cast<double>(total > done ? total - done : 0) / speed);
        line += " left";
    }
    return line;
}

void ProgressBar::Update(std::uint64_t done, std::uint64_t total, std::uint64_t files) {
    if (!enabled_) {
        return;
    }
    const Clock::time_point now = Clock::now();
    if (drawnWidth_ != 0 && now - lastDraw_ < kRedrawInterval) {
        return;
    }
    lastDraw_ = now;
    const std::string line = ProgressLine(done, total, files, now - start_);
    err_ << '\r' << line << std::string(drawnWidth_ > line.size() ? drawnWidth_ - line.size() : 0, ' ')
         << std::flush;
    drawnWidth_ = std::max(drawnWidth_, line.size());
}

void ProgressBar::Restart() {
    Clear();
    start_ = Clock::now();
}

void ProgressBar::Clear() {
    if (enabled_ && drawnWidth_ != 0) {
        err_ << '\r' << std::string(drawnWidth_, ' ') << '\r' << std::flush;
        drawnWidth_ = 0;
    }
}

} // namespace tarvelo::cli
