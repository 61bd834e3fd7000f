// What one application message box shows.
#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>

namespace tarvelo::controls {

struct MessageBoxParams {
    QPointer<QWidget> owner;
    QString caption;
    QString text;
    unsigned style = 0;
    int bodyEffect = 12; // the three-colour horizontal shade
    std::array<QColor, 3> bodyColours{QColor(213, 228, 242), QColor(237, 243, 250), QColor(213, 228, 242)};
    Qt::Alignment buttonAlign = Qt::AlignHCenter;
};

} // namespace tarvelo::controls
