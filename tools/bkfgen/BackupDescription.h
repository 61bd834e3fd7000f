// A whole backup described as data (tape, sets, volumes, directories, files) and written in one call.
// For streams that break the usual order (entries before any set, three sets in a row, broken
// fields) use BackupWriter directly.
#pragma once

#include "tools/bkfgen/BackupWriter.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvelo::bkfgen {

struct FileSpec {
    std::u16string name;
    FileData data;
    std::optional<std::string> rawName; // replaces the UTF-16LE of `name` (odd lengths)
};

struct DirectoryContent {
    DirectorySpec directory;
    std::vector<FileSpec> files;    // "ETED" entries, reported by a scan
    std::vector<FileSpec> mtfFiles; // standard "FILE" blocks with "STAN" data, ignored by a scan
};

struct VolumeContent {
    VolumeSpec volume;
    std::vector<DirectoryContent> directories;
};

struct SetContent {
    SetSpec set;
    std::vector<VolumeContent> volumes;
    bool catalogue = true;                  // a "TFDD" catalogue after the set's end
    std::string catalogueFileType = "ETED"; // type tag of the catalogue's file entries
};

struct BackupDescription {
    TapeSpec tape;
    std::vector<SetContent> sets;
    bool endOfMedium = false; // an "EOTM" block at the end
};

struct BackupLayout {
    std::vector<WrittenEntry> entries; // in file order
    std::uint64_t size = 0;
};

// Writes TAPE and SFMB, then per set SSET, VOLB, DIRB, the entries, ESET and SFMB, the catalogue,
// and finally EOTM if asked. Finishes the output.
BackupLayout WriteBackup(const BackupDescription& description, Output& output);
// The same into a byte string.
std::string BuildBackup(const BackupDescription& description, BackupLayout* layout = nullptr);

} // namespace tarvelo::bkfgen
