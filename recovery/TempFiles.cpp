#include "recovery/TempFiles.h"

#include "platform/os/FileSystem.h"
#include "platform/os/TempFolder.h"

#include <system_error>
#include <vector>

namespace tarvelo {

std::filesystem::path TempFolderPath() {
    return os::UserTempFolder().folder;
}

std::filesystem::path RecordFilePath() {
    return TempFolderPath() / kRecordFileName;
}

std::filesystem::path ExtractionFolderPath() {
    return TempFolderPath() / kExtractionFolderName;
}

void DeleteFolderContents(const std::filesystem::path& folder) {
    if (!os::IsRealFolder(folder)) {
        return;
    }
    // Collect first: removing entries while a directory is being read may skip or repeat some.
    std::vector<std::filesystem::path> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        entries.push_back(it->path());
    }
    for (const auto& entry : entries) {
        if (os::IsRealFolder(entry)) {
            DeleteFolderContents(entry);
        }
        os::RemoveEntry(entry);
    }
}

void CleanUpExtractionFolder() {
    const std::filesystem::path folder = ExtractionFolderPath();
    if (os::IsLink(folder)) {
        os::RemoveEntry(folder);
        return;
    }
    if (os::IsRealFolder(folder)) {
        DeleteFolderContents(folder);
        os::RemoveEntry(folder);
    }
}

} // namespace tarvelo
