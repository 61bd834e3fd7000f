// One JSON Lines object, written by hand rather than through a JSON library: names come from backups
// as UTF-16 and may hold unpaired surrogates, which must reach the output as "\uXXXX" escapes of the
// unit. A JSON library holding UTF-8 strings cannot express them (it refuses or replaces them).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvelo::cli {

// `text` as a JSON string literal, quotes included: UTF-8 for valid characters, "\uXXXX" for control
// characters and for each unpaired surrogate unit.
std::string JsonString(std::u16string_view text);

class JsonLine {
public:
    JsonLine& Add(std::string_view key, std::int64_t value);
    JsonLine& Add(std::string_view key, std::uint64_t value);
    JsonLine& Add(std::string_view key, std::int32_t value) { return Add(key, std::int64_t{value}); }
    JsonLine& Add(std::string_view key, std::u16string_view value);

    // The object, without the line break.
    [[nodiscard]] std::string Text() const { return text_ + "}"; }

private:
    void Key(std::string_view key);
    std::string text_ = "{";
};

} // namespace tarvelo::cli
