// The visual look: every look id (commands 210 to 218) gives the same Office-2007-like appearance made
// with a palette and a style sheet; 217 selects its silver scheme, the others keep the scheme in force.
#pragma once

#include <QString>

namespace tarvelo::app {

enum class ColourScheme { Blue, Silver };

inline constexpr unsigned kFirstLookId = 210;
inline constexpr unsigned kLastLookId = 218;
inline constexpr unsigned kDefaultLookId = 217;
inline constexpr unsigned kSilverLookId = 217;

// The scheme in force after applying a look id.
ColourScheme SchemeAfterLook(ColourScheme current, unsigned lookId);

// Sets the application's style, palette and style sheet for a scheme.
void ApplyColourScheme(ColourScheme scheme);

QString StyleSheetFor(ColourScheme scheme);

} // namespace tarvelo::app
