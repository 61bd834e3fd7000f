// The splash window shown while the main window is created: shaped by its picture, centred on the
// screen, fades in, stays two seconds, fades out and destroys itself. Clicks and keys do not close it.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

class QPropertyAnimation;

namespace tarvelo::app {

class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    struct Timing {
        int fadeInMs = 500;
        int visibleMs = 2000;
        int fadeOutMs = 200;
    };

    // A null picture leaves the window at zero size (nothing is seen); it still goes away as usual.
    CSplashWnd(const QImage& picture, QWidget* owner, Timing timing);
    CSplashWnd(const QImage& picture, QWidget* owner) : CSplashWnd(picture, owner, Timing{}) {}

    // Shows the window without activating it and starts the time-out.
    void Start();

    [[nodiscard]] const QString& Text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Finish();

    QImage picture_;
    QString text_;
    Timing timing_;
    bool closing_ = false;
};

} // namespace tarvelo::app
