#include "tools/bkfgen/LogFolderBackup.h"

#include "reader/TextEncoding.h"

#include <cstdio>
#include <optional>
#include <string>

namespace tarvelo::bkfgen {

BackupDescription LogFolderBackupDescription(int folders, int filesPerFolder, std::uint32_t fileSize,
                                             std::uint8_t seed) {
    SetContent set;
    set.set.name = u"Logs backup";
    set.catalogue = false;
    VolumeContent volume;
    for (int f = 0; f < folders; ++f) {
        DirectoryContent directory;
        directory.directory.components = {u"Exchsrvr", Utf8ToUtf16("Logs" + std::to_string(f + 1))};
        for (int i = 0; i < filesPerFolder; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "E%07X.log", static_cast<unsigned>(i));
            directory.files.push_back({Utf8ToUtf16(name), FileData::Patterned(fileSize, seed), std::nullopt});
        }
        volume.directories.push_back(std::move(directory));
    }
    set.volumes.push_back(std::move(volume));
    BackupDescription description;
    description.sets.push_back(std::move(set));
    return description;
}

} // namespace tarvelo::bkfgen
