// Name parts of a backslash-separated path (display paths of found files, extracted copies).
#pragma once

#include <string>
#include <string_view>

namespace tarvelo {

// The text after the last backslash; empty when the path has no backslash.
std::u16string FileNameOfPath(std::u16string_view path);

// The text after the last full stop; empty when the path has none. The full stop may stand in an
// earlier component: only the name decides, and "a.b\c" gives "b\c".
std::u16string ExtensionOfPath(std::u16string_view path);

// True when the extension is "edb" or "stm" in any letter case: such a file is shown with its
// database header, whatever the header holds.
bool IsDatabasePath(std::u16string_view path);

} // namespace tarvelo
