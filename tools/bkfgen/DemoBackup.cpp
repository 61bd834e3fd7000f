#include "tools/bkfgen/DemoBackup.h"

#include "tools/bkfgen/EseHeaderImage.h"

namespace tarvelo::bkfgen {

namespace {

constexpr std::uint64_t kLogSize = 5 * 1024 * 1024;

// A database or streaming file: the header page, its shadow copy, then patterned pages.
FileData DatabaseFile(std::uint32_t fileType, std::uint32_t signature, std::size_t pages, std::uint8_t seed) {
    EseHeaderSpec spec;
    spec.fileType = fileType;
    spec.randomSignature = signature;
    const std::string header = EsePageImage(spec);
    std::string bytes = header + header;
    bytes += FileData::Patterned(pages * kEsePageSize, seed).Slice(0, pages * kEsePageSize);
    return FileData::Literal(std::move(bytes));
}

FileSpec File(std::u16string name, FileData data) {
    return FileSpec{std::move(name), std::move(data), {}};
}

DirectorySpec Folder(std::vector<std::u16string> components) {
    DirectorySpec spec;
    spec.components = std::move(components);
    return spec;
}

} // namespace

BackupDescription DemoBackupDescription() {
    const std::vector<std::u16string> data = {u"Program Files", u"Exchsrvr", u"mdbdata"};
    std::vector<std::u16string> logs = data;
    logs.push_back(u"Logs");

    BackupDescription description;
    description.tape.mediaName = u"Exchange backup 3/26/2009";

    SetContent full;
    full.set.number = 1;
    full.set.name = u"Full backup";
    full.set.user = u"ADMIN";
    full.catalogueFileType = "FILE";
    DirectoryContent databases;
    databases.directory = Folder(data);
    databases.files = {File(u"priv1.edb", DatabaseFile(0, 0x2B7E1516, 14, 11)),
                       File(u"priv1.stm", DatabaseFile(1, 0x2B7E1516, 6, 23)),
                       File(u"pub1.edb", DatabaseFile(0, 0x3C4D5E6F, 10, 37)),
                       File(u"pub1.stm", DatabaseFile(1, 0x3C4D5E6F, 4, 41)),
                       File(u"E00.chk", FileData::Patterned(8192, 53))};
    databases.mtfFiles = {File(u"restore.env", FileData::Patterned(1300, 61))};
    DirectoryContent fullLogs;
    fullLogs.directory = Folder(logs);
    fullLogs.files = {File(u"E00.log", FileData::Patterned(kLogSize, 67)),
                      File(u"E0000029.log", FileData::Patterned(kLogSize, 71))};
    full.volumes.push_back(VolumeContent{VolumeSpec{}, {databases, fullLogs}});

    SetContent incremental;
    incremental.set.number = 2;
    incremental.set.name = u"Incremental backup";
    incremental.set.user = u"ADMIN";
    incremental.set.date.day = 27;
    incremental.catalogueFileType = "FILE";
    DirectoryContent newLogs;
    newLogs.directory = Folder(logs);
    newLogs.files = {File(u"E00.log", FileData::Patterned(kLogSize, 73)),
                     File(u"E000002A.log", FileData::Patterned(kLogSize, 79))};
    incremental.volumes.push_back(VolumeContent{VolumeSpec{}, {newLogs}});

    description.sets = {full, incremental};
    return description;
}

BackupLayout WriteDemoBackup(Output& output) {
    return WriteBackup(DemoBackupDescription(), output);
}

} // namespace tarvelo::bkfgen
