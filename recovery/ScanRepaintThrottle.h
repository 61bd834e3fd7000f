// Keeps a window responsive and cheap to update while a scan sends thousands of records a second:
// between two sends Qt would lay out the views and repaint the window every time. While active, the
// window repaints and the given item views lay themselves out at most every `interval` milliseconds;
// a timer flushes what is still pending, and Stop flushes everything at once.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace tarvelo {

class ScanRepaintThrottle : public QObject {
public:
    explicit ScanRepaintThrottle(int intervalMs = 100, QObject* parent = nullptr);
    ~ScanRepaintThrottle() override;

    void Start(QWidget* window, const QList<QWidget*>& views);
    void Stop();
    [[nodiscard]] bool Active() const { return !window_.isNull(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Flush();

    int intervalMs_;
    QPointer<QWidget> window_;
    QList<QPointer<QWidget>> views_;
    QElapsedTimer clock_;
    qint64 lastRepaint_ = 0;
    QHash<QObject*, qint64> lastLayout_;
    bool repaintPending_ = false;
    bool flushing_ = false;
    QTimer tick_;
};

} // namespace tarvelo
