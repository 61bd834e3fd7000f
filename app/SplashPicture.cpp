#include "app/SplashPicture.h"

#include "app/RibbonImages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tarvelo::app {

QImage SplashPicture() {
    QImage image(480, 269, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter p(&image);
    // Without antialiasing the edge pixels are either card or magenta, so the shape has a clean edge.
    p.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath card;
    card.addRoundedRect(QRectF(0, 0, 479, 268), 26, 26);
    QLinearGradient light(0, 0, 0, 269);
    light.setColorAt(0, QColor(250, 252, 255));
    light.setColorAt(0.55, QColor(214, 230, 248));
    light.setColorAt(1, QColor(150, 186, 232));
    p.setPen(QPen(QColor(70, 110, 170), 1));
    p.setBrush(light);
    p.drawPath(card);

    p.setRenderHint(QPainter::Antialiasing, true);
    p.setClipPath(card);
    QLinearGradient band(0, 190, 0, 269);
    band.setColorAt(0, QColor(40, 90, 170));
    band.setColorAt(1, QColor(15, 45, 110));
    p.fillRect(QRectF(0, 196, 480, 73), band);
    p.setPen(QPen(QColor(255, 200, 80), 3));
    p.drawLine(QPointF(0, 196), QPointF(480, 196));

    p.drawPixmap(QRectF(36, 70, 104, 104), ApplicationButtonImage(), QRectF(0, 0, 52, 52));
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(21, 66, 139));
    p.drawText(QRectF(154, 80, 316, 48), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quorin Tarvelo"));
    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(17);
    p.setFont(subtitle);
    p.setPen(QColor(50, 80, 130));
    p.drawText(QRectF(158, 130, 310, 28), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Exchange Backup file recovery"));
    p.setPen(QColor(235, 242, 252));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(13);
    p.setFont(small);
    p.drawText(QRectF(24, 206, 432, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Finds every file in Windows NT Backup files, even damaged ones."));
    p.drawText(QRectF(24, 232, 432, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Velmora"));
    p.end();
    return image;
}

QRegion ShapeOfPicture(const QImage& picture) {
    QRegion shape;
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < image.width()) {
            while (x < image.width() && (row[x] & 0xFFFFFF) == kTransparentColour) {
                ++x;
            }
            const int start = x;
            while (x < image.width() && (row[x] & 0xFFFFFF) != kTransparentColour) {
                ++x;
            }
            if (x > start) {
                shape += QRect(start, y, x - start, 1);
            }
        }
    }
    return shape;
}

} // namespace tarvelo::app
