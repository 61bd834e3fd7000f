#include "controls/CMarkupLayout.h"

#include <QFontMetrics>

#include <algorithm>

namespace tarvelo::controls {

namespace {

using markup::Token;
using Kind = Token::Kind;

constexpr int kMaxDepth = 8; // tables nest at most this deep; deeper ones are left out

QString Q(const std::u16string& s) {
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

struct Frame {
    std::u16string tag;
    markup::TextStyle style;
    markup::HAlign align;
    bool link;
    QString href;
};

struct Line {
    QList<CMarkupDrawer::Item> items;
    int width = 0;
    int ascent = 0;
    int descent = 0;
    markup::HAlign align = markup::HAlign::Left;
};

// Finds the token after the matching closing tag of the open tag at index i (nesting respected).
std::size_t MatchingClose(const std::vector<Token>& t, std::size_t i, std::size_t end) {
    const std::u16string& name = t[i].text;
    int depth = 0;
    for (std::size_t j = i; j < end; ++j) {
        if (t[j].text != name) {
            continue;
        }
        if (t[j].kind == Kind::OpenTag) {
            ++depth;
        } else if (t[j].kind == Kind::CloseTag && --depth == 0) {
            return j;
        }
    }
    return end;
}

int IntAttr(const Token& t, std::u16string_view name, int fallback, int limit) {
    if (const auto v = t.Attr(name)) {
        if (const auto n = markup::ParseNumber(*v)) {
            return static_cast<int>(std::min<std::uint64_t>(*n, static_cast<std::uint64_t>(limit)));
        }
    }
    return fallback;
}

// A table: rows of cells, each cell laid out as a body of its own.
CMarkupDrawer::Block LayoutTable(const std::vector<Token>& t, std::size_t begin, std::size_t end,
                                 const Token& tableTag, const markup::StyleSheet& sheet, int depth) {
    const int padding = IntAttr(tableTag, u"cellpadding", 0, 200);
    const int spacing = IntAttr(tableTag, u"cellspacing", 0, 200);
    struct Cell {
        CMarkupDrawer::Block block;
        int width = 0;
    };
    std::vector<std::vector<Cell>> rows;
    for (std::size_t i = begin; i < end; ++i) {
        if (t[i].kind == Kind::OpenTag && t[i].text == u"tr") {
            rows.emplace_back();
            const std::size_t rowEnd = MatchingClose(t, i, end);
            for (std::size_t j = i + 1; j < rowEnd; ++j) {
                if (t[j].kind == Kind::OpenTag && (t[j].text == u"td" || t[j].text == u"th")) {
                    const std::size_t cellEnd = MatchingClose(t, j, rowEnd);
                    Cell cell{LayoutTokens(t, j + 1, cellEnd, sheet, depth + 1),
                              IntAttr(t[j], u"width", 0, 4000)};
                    rows.back().push_back(std::move(cell));
                    j = cellEnd;
                }
            }
            i = rowEnd;
        }
    }
    std::vector<int> columns;
    std::vector<int> heights;
    for (const auto& row : rows) {
        int height = 0;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const int w = std::max(row[c].block.size.width(), row[c].width) + 2 * padding;
            if (columns.size() <= c) {
                columns.push_back(0);
            }
            columns[c] = std::max(columns[c], w);
            height = std::max(height, row[c].block.size.height() + 2 * padding);
        }
        heights.push_back(height);
    }
    CMarkupDrawer::Block table;
    int y = spacing;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        int x = spacing;
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const CMarkupDrawer::Block& cell = rows[r][c].block;
            // Cells are vertically centred, as table cells are by default.
            const int dy = padding + (heights[r] - 2 * padding - cell.size.height()) / 2;
            for (CMarkupDrawer::Item item : cell.items) {
                item.box.translate(x + padding, y + dy);
                table.items.append(item);
            }
            x += columns[c] + spacing;
        }
        y += heights[r] + spacing;
    }
    int width = spacing;
    for (const int w : columns) {
        width += w + spacing;
    }
    table.size = QSize(rows.empty() ? 0 : width, rows.empty() ? 0 : y);
    return table;
}

} // namespace

CMarkupDrawer::Block LayoutTokens(const std::vector<Token>& t, std::size_t begin, std::size_t end,
                                  const markup::StyleSheet& sheet, int depth) {
    markup::TextStyle base;
    sheet.ApplyRule(u"body", base);
    std::vector<Frame> stack{Frame{u"body", base, markup::HAlign::Left, false, {}}};
    std::vector<Line> lines(1);
    int x = 0;

    auto endLine = [&] {
        Line& line = lines.back();
        line.align = stack.back().align;
        if (line.items.isEmpty()) {
            const QFontMetrics fm(CMarkupDrawer::FontFor(stack.back().style));
            line.ascent = fm.ascent();
            line.descent = fm.descent();
        }
        lines.emplace_back();
        x = 0;
    };
    auto place = [&](CMarkupDrawer::Item item, int ascent, int descent) {
        Line& line = lines.back();
        item.box.moveLeft(x);
        x += item.box.width();
        line.width = x;
        line.ascent = std::max(line.ascent, ascent);
        line.descent = std::max(line.descent, descent);
        line.items.append(item);
    };

    for (std::size_t i = begin; i < end && i < t.size(); ++i) {
        const Token& token = t[i];
        const Frame& top = stack.back();
        switch (token.kind) {
        case Kind::Text: {
            CMarkupDrawer::Item item;
            item.font = CMarkupDrawer::FontFor(top.style);
            item.colour = CMarkupDrawer::ColourFor(top.style.colour);
            item.text = Q(token.text);
            using T = markup::TextStyle::Transform;
            if (top.style.transform == T::Upper) {
                item.text = item.text.toUpper();
            } else if (top.style.transform == T::Lower) {
                item.text = item.text.toLower();
            }
            item.link = top.link;
            item.href = top.href;
            const QFontMetrics fm(item.font);
            item.box = QRect(0, 0, fm.horizontalAdvance(item.text), fm.height());
            item.baseline = fm.ascent();
            place(item, fm.ascent(), fm.descent());
            break;
        }
        case Kind::LineBreak:
            endLine();
            break;
        case Kind::Tab: {
            const int next = (x / CMarkupDrawer::kTabWidth + 1) * CMarkupDrawer::kTabWidth;
            CMarkupDrawer::Item gap;
            gap.kind = CMarkupDrawer::Item::Kind::Fill;
            gap.box = QRect(0, 0, next - x, 0);
            place(gap, 0, 0);
            break;
        }
        case Kind::OpenTag: {
            const std::u16string& name = token.text;
            if (name == u"table") {
                const std::size_t close = MatchingClose(t, i, end);
                if (depth < kMaxDepth) {
                    CMarkupDrawer::Block table = LayoutTable(t, i + 1, close, token, sheet, depth);
                    CMarkupDrawer::Item box;
                    box.kind = CMarkupDrawer::Item::Kind::Fill;
                    box.box = QRect(QPoint(0, 0), table.size);
                    const int start = x;
                    place(box, table.size.height(), 0);
                    for (CMarkupDrawer::Item inner : table.items) {
                        inner.box.translate(start, 0);
                        inner.nestedHeight = table.size.height();
                        lines.back().items.append(inner);
                    }
                }
                i = close;
                break;
            }
            if (name == u"icon" || name == u"bmp" || name == u"ilst") {
                CMarkupDrawer::Item image;
                image.kind = CMarkupDrawer::Item::Kind::Icon;
                const int w = IntAttr(token, u"width", CMarkupDrawer::kIconSize, 1024);
                const int h = IntAttr(token, u"height", CMarkupDrawer::kIconSize, 1024);
                if (const auto handle = token.Attr(u"handle")) {
                    if (const auto n = markup::ParseNumber(*handle)) {
                        image.icon = CMarkupDrawer::IconForHandle(*n);
                    }
                }
                image.box = QRect(0, 0, w, h);
                place(image, h, 0);
                break;
            }
            if (name == u"hr") {
                if (!lines.back().items.isEmpty()) {
                    endLine();
                }
                CMarkupDrawer::Item rule;
                rule.kind = CMarkupDrawer::Item::Kind::Rule;
                rule.colour = CMarkupDrawer::ColourFor(top.style.colour);
                rule.box = QRect(0, 0, 0, 6);
                lines.back().items.append(rule);
                lines.back().ascent = 6;
                endLine();
                break;
            }
            if (name == u"string" || token.selfClosing) {
                break; // string resources: this program has none
            }
            Frame frame = top;
            frame.tag = name;
            markup::TextStyle& s = frame.style;
            if (name == u"b") {
                s.weight = 700;
            } else if (name == u"i" || name == u"em") {
                s.italic = true;
            } else if (name == u"u") {
                s.underline = true;
            } else if (name == u"s" || name == u"strike") {
                s.strikeOut = true;
            } else if (name == u"left" || name == u"center" || name == u"right" || name == u"justify") {
                frame.align = name == u"left"     ? markup::HAlign::Left
                              : name == u"center" ? markup::HAlign::Center
                              : name == u"right"  ? markup::HAlign::Right
                                                  : markup::HAlign::Justify;
            } else if (name == u"font") {
                if (const auto face = token.Attr(u"face")) {
                    markup::ApplyProperty(s, u"font-family", *face);
                }
                if (const auto size = token.Attr(u"size")) {
                    markup::ApplyProperty(s, u"font-size", *size);
                }
                if (const auto colour = token.Attr(u"color")) {
                    markup::ApplyProperty(s, u"color", *colour);
                }
                if (const auto weight = token.Attr(u"weight")) {
                    markup::ApplyProperty(s, u"font-weight", *weight);
                }
            } else if (name == u"a") {
                sheet.ApplyRule(u"a:link", s);
                frame.link = true;
                frame.href = Q(token.Attr(u"href").value_or(std::u16string()));
            } else if (name == u"span") {
                if (const auto cls = token.Attr(u"class")) {
                    sheet.ApplyRule(u"." + markup::ToLower(*cls), s);
                }
            } else {
                sheet.ApplyRule(name, s); // body, p, h1-h6, code, pre, big, small, sub, sup
            }
            if (const auto cls = token.Attr(u"class"); cls && name != u"span") {
                sheet.ApplyRule(u"." + markup::ToLower(*cls), s);
            }
            if (stack.size() < 256) {
                stack.push_back(std::move(frame));
            }
            break;
        }
        case Kind::CloseTag: {
            // Closes the innermost open tag of that name and everything opened inside it.
            for (std::size_t k = stack.size(); k-- > 1;) {
                if (stack[k].tag == token.text) {
                    stack.resize(k);
                    break;
                }
            }
            break;
        }
        }
    }
    // The last line counts only when it holds something.
    lines.back().align = stack.back().align;
    if (lines.back().items.isEmpty()) {
        lines.pop_back();
    }

    CMarkupDrawer::Block block;
    int width = 0;
    for (const Line& line : lines) {
        width = std::max(width, line.width);
    }
    int y = 0;
    for (const Line& line : lines) {
        int dx = 0;
        if (line.align == markup::HAlign::Right) {
            dx = width - line.width;
        } else if (line.align == markup::HAlign::Center) {
            dx = (width - line.width) / 2;
        }
        for (CMarkupDrawer::Item item : line.items) {
            if (item.nestedHeight >= 0) {
                item.box.translate(dx, y + line.ascent - item.nestedHeight);
                item.nestedHeight = -1;
            } else if (item.kind == CMarkupDrawer::Item::Kind::Rule) {
                item.box = QRect(0, y, width, 6);
            } else if (item.kind == CMarkupDrawer::Item::Kind::Text) {
                item.box.translate(dx, y + line.ascent - item.baseline);
            } else if (item.kind == CMarkupDrawer::Item::Kind::Icon) {
                item.box.translate(dx, y + line.ascent - item.box.height());
            } else {
                item.box.translate(dx, y);
            }
            block.items.append(item);
        }
        y += line.ascent + line.descent;
    }
    block.size = QSize(width, y);
    return block;
}

} // namespace tarvelo::controls
