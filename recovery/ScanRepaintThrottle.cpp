#include "recovery/ScanRepaintThrottle.h"

#include <QCoreApplication>
#include <QEvent>

namespace tarvelo {

ScanRepaintThrottle::ScanRepaintThrottle(int intervalMs, QObject* parent)
    : QObject(parent), intervalMs_(intervalMs) {
    tick_.setInterval(intervalMs_);
    connect(&tick_, &QTimer::timeout, this, [this] { Flush(); });
}

ScanRepaintThrottle::~ScanRepaintThrottle() {
    Stop();
}

void ScanRepaintThrottle::Start(QWidget* window, const QList<QWidget*>& views) {
    Stop();
    if (window == nullptr)
        return;
    window_ = window;
    clock_.start();
    lastRepaint_ = 0;
    window_->installEventFilter(this);
    for (QWidget* view : views) {
        if (view == nullptr)
            continue;
        views_.push_back(view);
        view->installEventFilter(this);
    }
    tick_.start();
}

void ScanRepaintThrottle::Stop() {
    tick_.stop();
    for (const QPointer<QWidget>& view : views_)
        if (view != nullptr)
            view->removeEventFilter(this);
    views_.clear();
    lastLayout_.clear();
    if (window_ != nullptr) {
        window_->removeEventFilter(this);
        Flush();
        window_->update();
    }
    window_ = nullptr;
    repaintPending_ = false;
}

void ScanRepaintThrottle::Flush() {
    if (window_ == nullptr || !repaintPending_)
        return;
    repaintPending_ = false;
    lastRepaint_ = clock_.elapsed();
    flushing_ = true;
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window_, &request);
    flushing_ = false;
}

bool ScanRepaintThrottle::eventFilter(QObject* watched, QEvent* event) {
    if (flushing_)
        return false;
    const qint64 now = clock_.elapsed();
    if (watched == window_ && event->type() == QEvent::UpdateRequest) {
        if (now - lastRepaint_ < intervalMs_) {
            repaintPending_ = true; // painted by the next tick
            return true;
        }
        lastRepaint_ = now;
        repaintPending_ = false;
        return false;
    }
    // The views' delayed item layout runs on a zero-time timer after every inserted row; a swallowed
    // timer event comes back, so the layout still happens, only not more often than the interval.
    if (watched != window_ && event->type() == QEvent::Timer) {
        qint64& last = lastLayout_[watched];
        if (now - last < intervalMs_)
            return true;
        last = now;
    }
    return false;
}

} // namespace tarvelo
