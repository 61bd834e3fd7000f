// Feeds arbitrary UTF-16 text to the mark-up tokenizer, the colour parser and the style sheet reader.
#include "controls/markup/MarkupColours.h"
#include "controls/markup/MarkupStyleSheet.h"
#include "controls/markup/MarkupTokens.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    }
    using namespace tarvelo::markup;
    for (const Token& token : Tokenize(text)) {
        for (const Attribute& attribute : token.attributes) {
            (void)ParseNumber(attribute.value);
            (void)ParseColour(attribute.value);
        }
    }
    StyleSheet sheet;
    sheet.Load(text);
    TextStyle style;
    for (const StyleRule& rule : sheet.Rules()) {
        sheet.ApplyRule(rule.selector, style);
    }
    return 0;
}
