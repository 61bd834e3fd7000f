// The CSS-like style sheet of the mark-up language and the text style it computes.
#pragma once

#include "controls/markup/MarkupColours.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvelo::markup {

enum class HAlign { Left, Center, Right, Justify };
enum class VAlign { Baseline, Top, Middle, Bottom };

// The look of a piece of text.
struct TextStyle {
    std::u16string family = u"Verdana";
    double pointSize = 10;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool overline = false;
    bool strikeOut = false;
    Colour colour{0x000000, std::nullopt};
    std::optional<Colour> background;
    VAlign verticalAlign = VAlign::Baseline;
    std::optional<HAlign> textAlign;
    enum class Transform { None, Capitalize, Lower, Upper } transform = Transform::None;
};

struct StyleRule {
    std::u16string selector; // lower case: "body", "a:hover", ".cpp-comment"
    std::vector<std::pair<std::u16string, std::u16string>> properties;
};

class StyleSheet {
public:
    // Adds the rules of a text ("selector {name: value; ...}" per rule); malformed parts are skipped.
    void Load(std::u16string_view text);
    [[nodiscard]] const StyleRule* Find(std::u16string_view selector) const;
    [[nodiscard]] const std::vector<StyleRule>& Rules() const { return rules_; }
    // Applies the rule of a selector (if any) to a style.
    void ApplyRule(std::u16string_view selector, TextStyle& style) const;

    static std::u16string_view DefaultText();

private:
    std::vector<StyleRule> rules_;
};

// Applies one property; unknown names and bad values change nothing.
void ApplyProperty(TextStyle& style, std::u16string_view name, std::u16string_view value);

} // namespace tarvelo::markup
