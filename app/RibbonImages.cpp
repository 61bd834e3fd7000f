#include "app/RibbonImages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tarvelo::app {

namespace {

QLinearGradient Vertical(QColor top, QColor bottom, qreal y0, qreal y1) {
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void Arrow(QPainter& p, QPointF tip, bool down, QColor colour) {
    const qreal d = down ? -1 : 1;
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(tip.x() - 6, tip.y() + 6 * d);
    path.lineTo(tip.x() - 2.5, tip.y() + 6 * d);
    path.lineTo(tip.x() - 2.5, tip.y() + 12 * d);
    path.lineTo(tip.x() + 2.5, tip.y() + 12 * d);
    path.lineTo(tip.x() + 2.5, tip.y() + 6 * d);
    path.lineTo(tip.x() + 6, tip.y() + 6 * d);
    path.closeSubpath();
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(colour);
    p.drawPath(path);
}

void Folder(QPainter& p) {
    p.setPen(QPen(QColor(176, 128, 24), 1));
    p.setBrush(Vertical(QColor(255, 226, 130), QColor(232, 176, 50), 6, 27));
    QPainterPath back;
    back.moveTo(2, 8);
    back.lineTo(11, 8);
    back.lineTo(13, 10);
    back.lineTo(28, 10);
    back.lineTo(28, 27);
    back.lineTo(2, 27);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(Vertical(QColor(255, 238, 170), QColor(245, 196, 70), 13, 27));
    QPainterPath front;
    front.moveTo(2, 27);
    front.lineTo(6, 14);
    front.lineTo(31, 14);
    front.lineTo(28, 27);
    front.closeSubpath();
    p.drawPath(front);
}

void Disk(QPainter& p, QRectF r) {
    p.setPen(QPen(QColor(20, 50, 120), 1));
    p.setBrush(Vertical(QColor(90, 140, 220), QColor(30, 70, 160), r.top(), r.bottom()));
    p.drawRoundedRect(r, 2, 2);
    const qreal w = r.width();
    p.setBrush(QColor(245, 248, 252));
    p.drawRect(QRectF(r.left() + w * 0.2, r.top() + 1, w * 0.6, r.height() * 0.42));
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(r.left() + w * 0.28, r.bottom() - r.height() * 0.36, w * 0.44, r.height() * 0.36 - 1));
    p.setPen(QPen(QColor(140, 160, 190), 1));
    p.drawLine(QPointF(r.left() + w * 0.28, r.top() + r.height() * 0.15),
               QPointF(r.left() + w * 0.72, r.top() + r.height() * 0.15));
    p.drawLine(QPointF(r.left() + w * 0.28, r.top() + r.height() * 0.28),
               QPointF(r.left() + w * 0.72, r.top() + r.height() * 0.28));
}

void Camera(QPainter& p) {
    p.setPen(QPen(QColor(50, 60, 80), 1));
    p.setBrush(Vertical(QColor(150, 160, 180), QColor(70, 80, 100), 8, 26));
    p.drawRoundedRect(QRectF(2, 9, 24, 16), 3, 3);
    p.drawRect(QRectF(8, 6, 8, 4));
    QRadialGradient lens(14, 17, 6);
    lens.setColorAt(0, QColor(170, 210, 255));
    lens.setColorAt(1, QColor(20, 50, 110));
    p.setBrush(lens);
    p.drawEllipse(QPointF(14, 17), 5.5, 5.5);
    p.setBrush(QColor(255, 230, 120));
    p.drawRect(QRectF(20, 11, 4, 2.5));
}

void Badge(QPainter& p, const QString& glyph) {
    QRadialGradient g(12, 10, 18);
    g.setColorAt(0, QColor(120, 180, 255));
    g.setColorAt(1, QColor(20, 80, 180));
    p.setPen(QPen(QColor(15, 55, 130), 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(2, 2, 28, 28));
    p.setPen(Qt::white);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(20);
    p.setFont(f);
    p.drawText(QRectF(2, 2, 28, 28), Qt::AlignCenter, glyph);
}

void Paper(QPainter& p) {
    p.setPen(QPen(QColor(110, 120, 140), 1));
    p.setBrush(Vertical(Qt::white, QColor(225, 232, 242), 2, 30));
    QPainterPath sheet;
    sheet.moveTo(5, 2);
    sheet.lineTo(20, 2);
    sheet.lineTo(26, 8);
    sheet.lineTo(26, 30);
    sheet.lineTo(5, 30);
    sheet.closeSubpath();
    p.drawPath(sheet);
    p.setPen(QPen(QColor(90, 130, 200), 1.4));
    for (int y = 11; y <= 26; y += 4) {
        p.drawLine(QPointF(9, y), QPointF(22, y));
    }
}

void DrawImage(QPainter& p, int index) {
    switch (index) {
    case 0: // Open
        Folder(p);
        Arrow(p, QPointF(23, 2), false, QColor(40, 160, 60));
        break;
    case 1: { // Stop
        QPainterPath octagon;
        const qreal a = 9, b = 21;
        octagon.moveTo(a, 3);
        octagon.lineTo(b, 3);
        octagon.lineTo(29, a + 2);
        octagon.lineTo(29, b);
        octagon.lineTo(b, 29);
        octagon.lineTo(a, 29);
        octagon.lineTo(3, b);
        octagon.lineTo(3, a + 2);
        octagon.closeSubpath();
        p.setPen(QPen(QColor(120, 10, 10), 1));
        p.setBrush(Vertical(QColor(250, 90, 80), QColor(180, 20, 20), 3, 29));
        p.drawPath(octagon);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(8, 13.5, 16, 5), 1.5, 1.5);
        break;
    }
    case 2: // Save files
        Disk(p, QRectF(3, 3, 26, 26));
        break;
    case 3: { // Search
        p.setPen(QPen(QColor(90, 60, 30), 4.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(19, 19), QPointF(28, 28));
        QRadialGradient glass(10, 9, 11);
        glass.setColorAt(0, QColor(235, 245, 255));
        glass.setColorAt(1, QColor(140, 190, 240));
        p.setPen(QPen(QColor(60, 70, 90), 2.5));
        p.setBrush(glass);
        p.drawEllipse(QPointF(13, 13), 9.5, 9.5);
        break;
    }
    case 4: // Save log
        Paper(p);
        p.setPen(QPen(QColor(200, 120, 30), 3.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(17, 27), QPointF(29, 13));
        p.setPen(QPen(QColor(60, 40, 20), 1.5));
        p.drawLine(QPointF(15.5, 29), QPointF(17, 27));
        break;
    case 5: // Load snapshot
        Camera(p);
        Arrow(p, QPointF(27, 31), true, QColor(40, 160, 60));
        break;
    case 6: // Save snapshot
        Camera(p);
        Disk(p, QRectF(18, 17, 13, 13));
        break;
    case 7: // Help
        Badge(p, QStringLiteral("?"));
        break;
    case 8: // About
        Badge(p, QStringLiteral("i"));
        break;
    default:
        break;
    }
}

QPixmap Render(int index, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    DrawImage(p, index);
    return pixmap;
}

} // namespace

QPixmap RibbonLargeImage(int index) {
    return Render(index, 32);
}

QPixmap RibbonSmallImage(int index) {
    return Render(index, 16);
}

QPixmap PanelIcon(int index) {
    // 0: generic, 1: the program's emblem (a tape cartridge), 2: snapshot camera.
    return index == 2 ? Render(5, 16) : Render(index == 1 ? 2 : 0, 16);
}

QPixmap ApplicationButtonImage() {
    QPixmap pixmap(52, 52);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient orb(22, 16, 34);
    orb.setColorAt(0, QColor(255, 255, 255));
    orb.setColorAt(0.35, QColor(150, 195, 250));
    orb.setColorAt(1, QColor(25, 75, 160));
    p.setPen(QPen(QColor(30, 60, 120), 1.5));
    p.setBrush(orb);
    p.drawEllipse(QRectF(2, 2, 48, 48));
    // Emblem: a tape cartridge with two reels.
    p.setPen(QPen(QColor(20, 40, 90), 1.2));
    p.setBrush(QColor(40, 60, 110));
    p.drawRoundedRect(QRectF(12, 16, 28, 20), 3, 3);
    p.setBrush(QColor(230, 240, 255));
    p.drawEllipse(QPointF(20, 26), 4.5, 4.5);
    p.drawEllipse(QPointF(32, 26), 4.5, 4.5);
    p.setBrush(QColor(255, 190, 60));
    p.drawRect(QRectF(16, 33, 20, 3));
    return pixmap;
}

} // namespace tarvelo::app
