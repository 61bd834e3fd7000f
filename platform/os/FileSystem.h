// Folder entries handled as themselves: a link is never followed, so removing one removes the link.
#pragma once

#include <filesystem>

namespace tarvelo::os {

// True for a symbolic link (and on Windows any reparse point, junctions included).
bool IsLink(const std::filesystem::path& path);
// True for a real folder (not a link to one).
bool IsRealFolder(const std::filesystem::path& path);
// Removes a file, a link or an empty folder at `path` itself. False when it could not.
bool RemoveEntry(const std::filesystem::path& path);
// Moves `from` over `to`, replacing what is there, in one step where the system allows it.
bool MoveFileOver(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace tarvelo::os
