// The shell's type name for a file name ("Text Document" for "notes.txt"), found by the extension alone.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvelo::os {

// Windows: the shell's answer for a normal file of that name; the disk is never touched, so the name
// may be a bare file name or a path that does not exist. Nothing where the system has no such shell
// (POSIX), or when the shell gives no name; the caller then names the type itself.
std::optional<std::u16string> ShellTypeName(std::u16string_view fileName);

} // namespace tarvelo::os
