// Colour values of the mark-up language: the 140 named colours, the system colour keywords and "#rrggbb".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvelo::markup {

// System colours that a keyword names; the renderer takes their current values from the platform.
enum class SystemColour {
    ActiveBorder,
    ActiveCaption,
    AppWorkspace,
    Background,
    ButtonFace,
    ButtonHighlight,
    ButtonShadow,
    ButtonText,
    CaptionText,
    GrayText,
    Highlight,
    HighlightText,
    InactiveBorder,
    InactiveCaption,
    InactiveCaptionText,
    InfoBackground,
    InfoText,
    Menu,
    MenuText,
    Scrollbar,
    DarkShadow,
    Light,
    Window,
    WindowFrame,
    WindowText
};

struct Colour {
    std::uint32_t rgb = 0; // 0xRRGGBB when not a system colour
    std::optional<SystemColour> system;
    friend bool operator==(const Colour&, const Colour&) = default;
};

std::optional<Colour> ParseColour(std::u16string_view text);

// The number of named (non-system) colours, for tests.
std::size_t NamedColourCount();

} // namespace tarvelo::markup
