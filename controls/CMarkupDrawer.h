// Lays out and draws the mark-up language (tokens and style sheet from controls/markup) into a
// rectangle: text runs with the formatting tags, line breaks, tabs, alignment, icons, rules and tables.
#pragma once

#include "controls/markup/MarkupStyleSheet.h"
#include "controls/markup/MarkupTokens.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace tarvelo::controls {

class CMarkupDrawer {
public:
    static constexpr int kTabWidth = 32;
    static constexpr int kIconSize = 32; // the system icon width

    CMarkupDrawer();

    // Stores the text, lays it out and returns its size plus one pixel each way; empty text is 0 x 0.
    QSize Measure(const QString& text);
    // Draws the text last measured into the rectangle.
    void Render(const QRect& rect, QPainter& painter);
    // Whether a link lies under a point of the last rendered rectangle.
    [[nodiscard]] bool LinkAt(QPoint point) const;
    // Opens the link under the point; false when there is none.
    bool ClickLink(QPoint point);

    // Icons are named in the mark-up by handle; these make handles for icons.
    static quint64 RegisterIcon(const QIcon& icon);
    static QIcon IconForHandle(quint64 handle);

    // The font a style gives (with the metric-compatible substitute when the family is missing).
    static QFont FontFor(const markup::TextStyle& style);
    static QColor ColourFor(const markup::Colour& colour);

    struct Item {
        enum class Kind { Text, Icon, Rule, Fill } kind = Kind::Text;
        QRect box;        // relative to the layout's top-left
        int baseline = 0; // text: y of the baseline within the box
        QString text;
        QFont font;
        QColor colour;
        bool link = false;
        QString href;
        QIcon icon;
        int nestedHeight = -1; // items of a table: the table's height (they keep their place in it)
    };
    struct Block {
        QSize size;
        QList<Item> items;
    };
    [[nodiscard]] const Block& Layout() const { return layout_; }

private:
    QString text_;
    Block layout_;
    QRect rendered_;
    markup::StyleSheet sheet_;
};

} // namespace tarvelo::controls
