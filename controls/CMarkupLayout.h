// The layout engine behind CMarkupDrawer: turns tokens into positioned items.
#pragma once

#include "controls/CMarkupDrawer.h"

#include <vector>

namespace tarvelo::controls {

// Lays out tokens [begin, end) starting from the body rule; maxWidth 0 means no limit (lines end
// only at line breaks). Alignment places each line within the widest line of the block.
CMarkupDrawer::Block LayoutTokens(const std::vector<markup::Token>& tokens, std::size_t begin,
                                  std::size_t end, const markup::StyleSheet& sheet, int depth = 0);

} // namespace tarvelo::controls
