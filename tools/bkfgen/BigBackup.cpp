#include "tools/bkfgen/BigBackup.h"

namespace tarvelo::bkfgen {

BackupLayout WriteBigBackup(const BigBackupOptions& options, Output& output) {
    BackupDescription description;
    SetContent set;
    set.set.number = 1;
    set.set.name = u"Big";
    set.catalogue = false;
    DirectoryContent folder;
    folder.directory.components = {u"Big"};
    folder.files = {
        FileSpec{u"small.bin", FileData::Patterned(4000, 3), {}},
        FileSpec{u"big.bin",
                 options.patterned ? FileData::Patterned(options.bigSize, 5)
                                   : FileData::ZeroFilled(options.bigSize),
                 {}},
        FileSpec{u"after.bin", FileData::Patterned(3000, 7), {}},
    };
    set.volumes.push_back(VolumeContent{VolumeSpec{}, {folder}});
    description.sets.push_back(set);
    return WriteBackup(description, output);
}

} // namespace tarvelo::bkfgen
