#include "app/CSplashWnd.h"
#include "app/SplashPicture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace tarvelo::app {
namespace {

TEST(Splash, PictureIsOursAtTheFixedSizeWithMagentaCorners) {
    const QImage picture = SplashPicture();
    EXPECT_EQ(picture.size(), QSize(480, 269));
    EXPECT_EQ(picture.pixel(0, 0) & 0xFFFFFF, kTransparentColour);
    EXPECT_EQ(picture.pixel(479, 268) & 0xFFFFFF, kTransparentColour);
    EXPECT_NE(picture.pixel(240, 134) & 0xFFFFFF, kTransparentColour);
}

TEST(Splash, ShapeIsExactlyTheNonMagentaPixels) {
    QImage picture(7, 3, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255));
    picture.setPixel(1, 0, qRgb(1, 2, 3));
    picture.setPixel(2, 0, qRgb(1, 2, 3));
    picture.setPixel(5, 0, qRgb(0, 0, 0));
    picture.setPixel(0, 2, qRgb(254, 0, 255)); // near-magenta is still shown
    const QRegion shape = ShapeOfPicture(picture);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 7; ++x) {
            const bool visible = (picture.pixel(x, y) & 0xFFFFFF) != kTransparentColour;
            EXPECT_EQ(shape.contains(QPoint(x, y)), visible) << x << "," << y;
        }
    }
}

TEST(Splash, WindowIsShapedCentredShowsTheVersionAndIgnoresClicks) {
    const QImage picture = SplashPicture();
    auto* window = new CSplashWnd(picture, nullptr, CSplashWnd::Timing{10, 150, 10});
    const QPointer<CSplashWnd> splash(window);
    EXPECT_EQ(window->size(), QSize(480, 269));
    EXPECT_EQ(window->mask(), ShapeOfPicture(picture));
    EXPECT_EQ(window->Text(), QStringLiteral("v20.0"));
    const QRect screen = QApplication::primaryScreen()->geometry();
    EXPECT_EQ(window->pos(),
              QPoint(screen.x() + (screen.width() - 480) / 2, screen.y() + (screen.height() - 269) / 2));
    window->Start();
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(240, 134));
    QTest::keyClick(window, Qt::Key_Escape);
    window->close();
    ASSERT_FALSE(splash.isNull());
    EXPECT_TRUE(window->isVisible()) << "clicks, keys and close requests do not close it";
    QElapsedTimer timer;
    timer.start();
    while (!splash.isNull() && timer.elapsed() < 10000) {
        QTest::qWait(20);
    }
    EXPECT_TRUE(splash.isNull()) << "the splash window destroys itself after its time-out";
}

TEST(Splash, MissingPictureLeavesAZeroSizeWindowThatStillGoesAway) {
    auto* window = new CSplashWnd(QImage(), nullptr, CSplashWnd::Timing{1, 20, 1});
    const QPointer<CSplashWnd> splash(window);
    EXPECT_EQ(window->size(), QSize(0, 0));
    window->Start();
    QElapsedTimer timer;
    timer.start();
    while (!splash.isNull() && timer.elapsed() < 10000) {
        QTest::qWait(20);
    }
    EXPECT_TRUE(splash.isNull());
}

} // namespace
} // namespace tarvelo::app
