// Large test and demo backups are mostly zeros: on disk they should cost only the bytes written.
#pragma once

#include <filesystem>

namespace tarvelo::os {

// Creates (or truncates to empty) a file in which ranges skipped by seeking past the end stay holes.
// POSIX file systems do that for every file; NTFS only for files marked sparse, which this does.
// False when the file cannot be created; a file system without holes still gets a usable file (true).
bool CreateSparseFile(const std::filesystem::path& path);

} // namespace tarvelo::os
