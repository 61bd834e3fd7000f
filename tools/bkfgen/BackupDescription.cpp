#include "tools/bkfgen/BackupDescription.h"

namespace tarvelo::bkfgen {

BackupLayout WriteBackup(const BackupDescription& description, Output& output) {
    BackupWriter writer(output);
    writer.Tape(description.tape);
    for (const auto& set : description.sets) {
        writer.StartSet(set.set);
        for (const auto& volume : set.volumes) {
            writer.Volume(volume.volume);
            for (const auto& directory : volume.directories) {
                writer.Directory(directory.directory);
                for (const auto& file : directory.files) {
                    if (file.rawName) {
                        writer.FileEntryRaw(*file.rawName, file.data);
                    } else {
                        writer.FileEntry(file.name, file.data);
                    }
                }
                for (const auto& file : directory.mtfFiles) {
                    writer.MtfFile(file.name, file.data);
                }
            }
        }
        writer.EndSet();
        if (set.catalogue) {
            writer.SetCatalogue(set.catalogueFileType);
        }
    }
    if (description.endOfMedium) {
        writer.EndOfMedium();
    }
    writer.Finish();
    return {writer.Entries(), writer.Position()};
}

std::string BuildBackup(const BackupDescription& description, BackupLayout* layout) {
    std::string bytes;
    StringOutput output(bytes);
    BackupLayout written = WriteBackup(description, output);
    if (layout != nullptr) {
        *layout = std::move(written);
    }
    return bytes;
}

} // namespace tarvelo::bkfgen
