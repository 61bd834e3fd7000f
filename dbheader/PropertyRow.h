// A layout of the properties pane as plain data: groups of display-only rows, in screen order. The
// properties pane builds its grid from it and the command-line tool prints it, so both show the same
// rows in the same order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvelo {

struct PropertyRow {
    std::string_view caption;     // ASCII
    std::string_view description; // ASCII
    std::u16string value;
};

struct PropertyGroup {
    std::string_view caption;
    std::vector<PropertyRow> rows;
};

using PropertyLayout = std::vector<PropertyGroup>;

} // namespace tarvelo
