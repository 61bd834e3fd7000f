// The check-box pictures of the tree: 17 cells of 16 x 16 pixels, indexed 1 unchecked, 2 checked,
// 3 partly checked, +4 disabled, +8 hot; cells 0, 4, 8, 12 and 16 stay empty. Each box is drawn with
// the current style's check-box primitive inside the cell inset by one pixel.
#include "controls/CCheckTreeCtrl.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace tarvelo {

void CCheckTreeCtrl::BuildPictures() {
    const QColor window = palette().color(QPalette::Base);
    for (std::size_t cell = 0; cell < pictures_.size(); ++cell) {
        QPixmap pixmap(kCheckImageSize, kCheckImageSize);
        pixmap.fill(window);
        const int kind = static_cast<int>(cell % 4); // 0 empty, 1 unchecked, 2 checked, 3 partly
        if (kind != 0) {
            QPainter painter(&pixmap);
            QStyleOptionButton option;
            option.initFrom(this);
            option.rect = QRect(1, 1, kCheckImageSize - 2, kCheckImageSize - 2);
            option.state = QStyle::State_None;
            const bool disabled = (cell & 4u) != 0;
            const bool hot = (cell & 8u) != 0;
            option.state |= disabled ? QStyle::State_None : QStyle::State_Enabled;
            if (hot)
                option.state |= QStyle::State_MouseOver;
            option.state |= kind == 1   ? QStyle::State_Off
                            : kind == 2 ? QStyle::State_On
                                        : QStyle::State_NoChange;
            style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);
        }
        pictures_[cell] = pixmap;
    }
    viewport()->update();
}

void CCheckTreeCtrl::changeEvent(QEvent* event) {
    // Colours are read again whenever the system's palette or style changes.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        if (model_.checkBoxes)
            BuildPictures();
    }
    QTreeWidget::changeEvent(event);
}

} // namespace tarvelo
