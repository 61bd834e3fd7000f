#include "controls/CMarkupDrawer.h"

#include "controls/CMarkupLayout.h"
#include "platform/WebPage.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QPainter>
#include <QPalette>

namespace tarvelo::controls {

namespace {

QHash<quint64, QIcon>& Icons() {
    static QHash<quint64, QIcon> icons;
    return icons;
}

std::u16string ToU16(const QString& s) {
    return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size()));
}

QColor SystemColourValue(markup::SystemColour c) {
    using S = markup::SystemColour;
    const QPalette p = QApplication::palette();
    switch (c) {
    case S::ActiveCaption:
    case S::Highlight:
        return p.color(QPalette::Highlight);
    case S::HighlightText:
    case S::CaptionText:
        return p.color(QPalette::HighlightedText);
    case S::ButtonFace:
    case S::Menu:
    case S::Scrollbar:
    case S::ActiveBorder:
    case S::InactiveBorder:
    case S::AppWorkspace:
    case S::Background:
    case S::InactiveCaption:
        return p.color(QPalette::Button);
    case S::ButtonHighlight:
        return p.color(QPalette::Light);
    case S::ButtonShadow:
        return p.color(QPalette::Mid);
    case S::DarkShadow:
    case S::WindowFrame:
        return p.color(QPalette::Shadow);
    case S::Light:
        return p.color(QPalette::Midlight);
    case S::GrayText:
    case S::InactiveCaptionText:
        return p.color(QPalette::Disabled, QPalette::Text);
    case S::InfoBackground:
        return p.color(QPalette::ToolTipBase);
    case S::InfoText:
        return p.color(QPalette::ToolTipText);
    case S::Window:
        return p.color(QPalette::Base);
    case S::ButtonText:
    case S::MenuText:
    case S::WindowText:
        return p.color(QPalette::Text);
    }
    return Qt::black;
}

} // namespace

CMarkupDrawer::CMarkupDrawer() {
    // Verdana is often absent outside Windows; DejaVu Sans descends from the same design brief and
    // has nearly the same widths, so layouts keep their proportions.
    static const bool substituted = [] {
        if (!QFontDatabase::families().contains(QStringLiteral("Verdana"))) {
            QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
        }
        return true;
    }();
    (void)substituted;
    sheet_.Load(markup::StyleSheet::DefaultText());
}

QFont CMarkupDrawer::FontFor(const markup::TextStyle& style) {
    QFont font(QString::fromUtf16(style.family.data(), static_cast<qsizetype>(style.family.size())));
    font.setPointSizeF(style.pointSize);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(style.weight, 1, 1000)));
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setOverline(style.overline);
    font.setStrikeOut(style.strikeOut);
    return font;
}

QColor CMarkupDrawer::ColourFor(const markup::Colour& colour) {
    if (colour.system) {
        return SystemColourValue(*colour.system);
    }
    return QColor::fromRgb(static_cast<QRgb>(colour.rgb));
}

QSize CMarkupDrawer::Measure(const QString& text) {
    text_ = text;
    if (text.isEmpty()) {
        layout_ = Block{};
        return QSize(0, 0);
    }
    const std::vector<markup::Token> tokens = markup::Tokenize(ToU16(text));
    layout_ = LayoutTokens(tokens, 0, tokens.size(), sheet_);
    if (layout_.size.isEmpty()) {
        return QSize(0, 0);
    }
    return layout_.size + QSize(1, 1);
}

void CMarkupDrawer::Render(const QRect& rect, QPainter& painter) {
    rendered_ = rect;
    if (text_.isEmpty()) {
        return;
    }
    painter.save();
    painter.setClipRect(rect);
    for (const Item& item : layout_.items) {
        const QRect box = item.box.translated(rect.topLeft());
        switch (item.kind) {
        case Item::Kind::Text:
            painter.setFont(item.font);
            painter.setPen(item.colour);
            painter.drawText(QPoint(box.left(), box.top() + item.baseline), item.text);
            break;
        case Item::Kind::Icon:
            if (!item.icon.isNull()) {
                item.icon.paint(&painter, box);
            }
            break;
        case Item::Kind::Rule:
            painter.setPen(item.colour);
            painter.drawLine(box.left(), box.center().y(), box.right(), box.center().y());
            break;
        case Item::Kind::Fill:
            break;
        }
    }
    painter.restore();
}

bool CMarkupDrawer::LinkAt(QPoint point) const {
    for (const Item& item : layout_.items) {
        if (item.link && item.box.translated(rendered_.topLeft()).contains(point)) {
            return true;
        }
    }
    return false;
}

bool CMarkupDrawer::ClickLink(QPoint point) {
    for (const Item& item : layout_.items) {
        if (item.link && item.box.translated(rendered_.topLeft()).contains(point)) {
            if (!item.href.isEmpty()) {
                platform::OpenWebPage(item.href);
            }
            return true;
        }
    }
    return false;
}

quint64 CMarkupDrawer::RegisterIcon(const QIcon& icon) {
    static quint64 next = 0x10000;
    const quint64 handle = next;
    next += 4;
    Icons().insert(handle, icon);
    return handle;
}

QIcon CMarkupDrawer::IconForHandle(quint64 handle) {
    return Icons().value(handle);
}

} // namespace tarvelo::controls
