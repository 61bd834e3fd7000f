// The user's own folder for temporary files. On Windows that is the system's answer (GetTempPathW). On
// POSIX systems /tmp is shared by every user, so fixed names there could be planted by someone else:
// $TMPDIR is used when set, otherwise a private folder /tmp/quorin-tarvelo-<uid> (mode 0700, owned by
// the user, refused when it is a link or belongs to someone else).
#pragma once

#include <filesystem>
#include <string>

namespace tarvelo::os {

struct TempFolderResult {
    std::filesystem::path folder; // empty when none could be determined
    std::string error;            // why, when folder is empty
};

TempFolderResult UserTempFolder();

#ifndef _WIN32
// The private folder named for the user inside `base`, created when missing. Exposed for tests.
TempFolderResult PrivateTempFolder(const std::filesystem::path& base);
#endif

} // namespace tarvelo::os
