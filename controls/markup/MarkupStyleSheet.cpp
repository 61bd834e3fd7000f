#include "controls/markup/MarkupStyleSheet.h"

#include "controls/markup/MarkupTokens.h"

namespace tarvelo::markup {

namespace {

std::u16string_view Trim(std::u16string_view s) {
    while (!s.empty() &&
           (s.front() == u' ' || s.front() == u'\t' || s.front() == u'\r' || s.front() == u'\n')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == u' ' || s.back() == u'\t' || s.back() == u'\r' || s.back() == u'\n')) {
        s.remove_suffix(1);
    }
    return s;
}

// "10pt", "65%", "12px", "12": the new point size relative to the current one.
std::optional<double> ParseSize(std::u16string_view value, double current) {
    std::size_t digits = 0;
    while (digits < value.size() && value[digits] >= u'0' && value[digits] <= u'9' && digits < 6) {
        ++digits;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    const auto number = ParseNumber(value.substr(0, digits));
    if (!number) {
        return std::nullopt;
    }
    const auto amount = static_cast<double>(*number);
    const std::u16string_view unit = Trim(value.substr(digits));
    double size = amount;
    if (unit == u"%") {
        size = current * amount / 100.0;
    } else if (unit == u"px") {
        size = amount * 0.75;
    }
    if (size < 1 || size > 500) {
        return std::nullopt;
    }
    return size;
}

} // namespace

std::u16string_view StyleSheet::DefaultText() {
    return u"body {font-size: 10pt; color:black; font-family:Verdana}\n"
           u"p {font-size: 10pt; color:black; font-family:Verdana; font-weight:bold}\n"
           u"h1 {font-size: 14pt; color:black; font-family:Verdana; font-weight:bold}\n"
           u"h2 {font-size: 13pt; color:#ff9900; font-family:Verdana; font-weight:bold}\n"
           u"h3 {font-size: 12pt; color:#ff9900; font-family:Arial; font-weight:bold}\n"
           u"h4 {font-size: 10pt; color:black; font-family:Verdana; font-weight:bold}\n"
           u"h5 {font-size: 9pt; color:#ff9900; font-family:Verdana; font-weight:bold}\n"
           u"h6 {font-size: 65%; color:#626262; font-family:Verdana; font-weight:normal}\n"
           u"pre {font-size: 9pt; font-family:\"Courier\"; background-color:#fbedbb}\n"
           u"code {color:#990000; font-family:Arial}\n"
           u"a:link {text-decoration:none; color:blue}\n"
           u"a:hover {text-decoration:underline; color:blue}\n"
           u"sub {font-size:65%; vertical-align:bottom}\n"
           u"sup {font-size:65%; vertical-align:top}\n"
           u"big {font-size:125%}\n"
           u"small {font-size:75%}\n"
           u".cpp-comment {color:green; font-style:italic}\n";
}

void StyleSheet::Load(std::u16string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find(u'{', pos);
        if (open == std::u16string_view::npos) {
            return;
        }
        const std::size_t close = text.find(u'}', open);
        if (close == std::u16string_view::npos) {
            return;
        }
        StyleRule rule{ToLower(Trim(text.substr(pos, open - pos))), {}};
        std::u16string_view body = text.substr(open + 1, close - open - 1);
        while (!body.empty()) {
            const std::size_t semi = body.find(u';');
            const std::u16string_view item = body.substr(0, semi);
            const std::size_t colon = item.find(u':');
            if (colon != std::u16string_view::npos) {
                rule.properties.emplace_back(ToLower(Trim(item.substr(0, colon))),
                                             std::u16string(Trim(item.substr(colon + 1))));
            }
            if (semi == std::u16string_view::npos) {
                break;
            }
            body.remove_prefix(semi + 1);
        }
        if (!rule.selector.empty()) {
            rules_.push_back(std::move(rule));
        }
        pos = close + 1;
    }
}

const StyleRule* StyleSheet::Find(std::u16string_view selector) const {
    // The last rule of a selector wins, as later rules override earlier ones.
    for (auto it = rules_.rbegin(); it != rules_.rend(); ++it) {
        if (it->selector == selector) {
            return &*it;
        }
    }
    return nullptr;
}

void StyleSheet::ApplyRule(std::u16string_view selector, TextStyle& style) const {
    if (const StyleRule* rule = Find(selector)) {
        for (const auto& [name, value] : rule->properties) {
            ApplyProperty(style, name, value);
        }
    }
}

void ApplyProperty(TextStyle& style, std::u16string_view name, std::u16string_view rawValue) {
    const std::u16string value = ToLower(Trim(rawValue));
    if (name == u"font-size") {
        if (const auto size = ParseSize(value, style.pointSize)) {
            style.pointSize = *size;
        }
    } else if (name == u"font-family") {
        std::u16string_view family = Trim(rawValue);
        while (!family.empty() && (family.front() == u'"' || family.front() == u'\'')) {
            family.remove_prefix(1);
        }
        while (!family.empty() && (family.back() == u'"' || family.back() == u'\'')) {
            family.remove_suffix(1);
        }
        if (!family.empty()) {
            style.family.assign(family);
        }
    } else if (name == u"font-style") {
        style.italic = value == u"italic" || value == u"oblique";
    } else if (name == u"font-weight") {
        if (value == u"normal") {
            style.weight = 400;
        } else if (value == u"bold") {
            style.weight = 700;
        } else if (value == u"bolder") {
            style.weight = 900;
        } else if (value == u"lighter") {
            style.weight = 100;
        } else if (const auto number = ParseNumber(value); number && *number >= 1 && *number <= 1000) {
            style.weight = static_cast<int>(*number);
        }
    } else if (name == u"color") {
        if (const auto colour = ParseColour(value)) {
            style.colour = *colour;
        }
    } else if (name == u"background-color") {
        if (const auto colour = ParseColour(value)) {
            style.background = *colour;
        }
    } else if (name == u"text-align") {
        if (value == u"left") {
            style.textAlign = HAlign::Left;
        } else if (value == u"center") {
            style.textAlign = HAlign::Center;
        } else if (value == u"right") {
            style.textAlign = HAlign::Right;
        }
    } else if (name == u"vertical-align") {
        if (value == u"top") {
            style.verticalAlign = VAlign::Top;
        } else if (value == u"middle" || value == u"vcenter") {
            style.verticalAlign = VAlign::Middle;
        } else if (value == u"bottom") {
            style.verticalAlign = VAlign::Bottom;
        } else if (value == u"baseline") {
            style.verticalAlign = VAlign::Baseline;
        }
    } else if (name == u"text-transform") {
        using T = TextStyle::Transform;
        style.transform = value == u"capitalize"  ? T::Capitalize
                          : value == u"lowercase" ? T::Lower
                          : value == u"uppercase" ? T::Upper
                                                  : T::None;
    } else if (name == u"text-decoration") {
        style.underline = value == u"underline";
        style.overline = value == u"overline";
        style.strikeOut = value == u"line-through";
    }
    // border-*, margin and padding are recognised and drawn as nothing.
}

} // namespace tarvelo::markup
