#include "app/CSplashWnd.h"

#include "app/SplashPicture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>

namespace tarvelo::app {

CSplashWnd::CSplashWnd(const QImage& picture, QWidget* owner, Timing timing)
    : QWidget(owner,
              Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::NoDropShadowWindowHint),
      picture_(picture), text_(QStringLiteral("v20.0")), timing_(timing) {
    setObjectName(QStringLiteral("splash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    if (picture_.isNull()) {
        setFixedSize(0, 0);
        return;
    }
    setFixedSize(picture_.size());
    setMask(ShapeOfPicture(picture_));
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - picture_.width()) / 2,
             area.y() + (area.height() - picture_.height()) / 2);
    }
}

void CSplashWnd::Start() {
    setWindowOpacity(0.0);
    show();
    auto* fadeIn = new QPropertyAnimation(this, "windowOpacity", this);
    fadeIn->setDuration(timing_.fadeInMs);
    fadeIn->setStartValue(0.0);
    fadeIn->setEndValue(1.0);
    fadeIn->start(QAbstractAnimation::DeleteWhenStopped);
    QTimer::singleShot(timing_.visibleMs, this, &CSplashWnd::Finish);
}

void CSplashWnd::Finish() {
    auto* fadeOut = new QPropertyAnimation(this, "windowOpacity", this);
    fadeOut->setDuration(timing_.fadeOutMs);
    fadeOut->setStartValue(windowOpacity());
    fadeOut->setEndValue(0.0);
    connect(fadeOut, &QPropertyAnimation::finished, this, [this] {
        closing_ = true;
        close(); // deletes the window
    });
    fadeOut->start(QAbstractAnimation::DeleteWhenStopped);
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter p(this);
    p.drawImage(0, 0, picture_);
    QFont font = QApplication::font();
    font.setPixelSize(25);
    p.setFont(font);
    p.setPen(Qt::black);
    // Centred horizontally at the top edge (the text is not a single-line, vertically centred one).
    p.drawText(rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text_);
}

void CSplashWnd::mousePressEvent(QMouseEvent*) {}

void CSplashWnd::keyPressEvent(QKeyEvent*) {}

void CSplashWnd::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace tarvelo::app
