// The program's two things in the user's temporary folder: the record file of the current scan and
// the extraction folder that holds the one file written out for preview.
#pragma once

#include <filesystem>

namespace tarvelo {

inline constexpr const char* kRecordFileName = "tmpMgntExBKF";
inline constexpr const char* kExtractionFolderName = "ExngBKFTmp";

// The user's temporary folder (see platform/os/TempFolder.h); empty when none can be determined, so
// the names below are then used alone, relative to the current folder.
std::filesystem::path TempFolderPath();

std::filesystem::path RecordFilePath();
std::filesystem::path ExtractionFolderPath();

// Removes everything inside `folder` and leaves the folder itself. A link inside is removed as a link:
// nothing it points to is touched. Entries that cannot be removed (in use, read-only) are skipped
// silently and the rest goes on. A `folder` that is itself a link is left alone.
void DeleteFolderContents(const std::filesystem::path& folder);

// Empties and removes the extraction folder if it exists (a link standing at its name is removed).
void CleanUpExtractionFolder();

} // namespace tarvelo
