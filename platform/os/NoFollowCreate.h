// Creating folders and files below a folder the user chose without ever following a link that is
// already there: a link planted inside the target must not redirect a write outside it.
#pragma once

#include <filesystem>

namespace tarvelo::os {

enum class CreateOutcome {
    Created, // made just now
    Exists,  // the name is taken: by a real folder (for MakeFolderNoFollow) or by anything (for files)
    Blocked, // the name is taken by a link or by something of the other kind
    Failed,  // any other error; LastErrorText() tells why
};

// Creates the folder `path` (its parent must exist). A real folder already there gives Exists; a link
// (even to a folder) or a file gives Blocked.
CreateOutcome MakeFolderNoFollow(const std::filesystem::path& path);

// Creates a new, empty regular file. Gives Exists when anything (a file, a folder, a dangling link)
// already has the name; never writes through a link.
CreateOutcome CreateNewFile(const std::filesystem::path& path);

// Creates the file or truncates an existing regular file; a link or a folder at that name gives Blocked.
CreateOutcome CreateOrTruncateFile(const std::filesystem::path& path);

} // namespace tarvelo::os
