#include "tools/bkfgen/BackupWriter.h"

#include "reader/TextEncoding.h"
#include "tools/bkfgen/ExpectedPath.h"
#include "tools/bkfgen/LittleEndian.h"

#include <algorithm>

namespace tarvelo::bkfgen {

namespace {

std::string Utf16Bytes(std::u16string_view text) {
    std::string bytes;
    AppendUtf16Le(bytes, text);
    return bytes;
}

std::string DirectoryNameBytes(const DirectorySpec& spec) {
    if (spec.rawName) {
        return *spec.rawName;
    }
    std::u16string name;
    for (const auto& component : spec.components) {
        name += component;
        name.push_back(u'\0');
    }
    if (name.empty()) {
        name.push_back(u'\0'); // the volume root
    }
    return Utf16Bytes(name);
}

// One entry of a type-1 catalogue; tape addresses count from the entry's first byte.
std::string CatalogueEntryImage(const CatalogueEntry& entry) {
    constexpr std::size_t kHeader = 36;
    const bool volume = entry.type == "VOLB";
    std::string image(volume ? 61 : 68, '\0');
    for (std::size_t i = 0; i < 4 && i < entry.type.size(); ++i) {
        image[2 + i] = entry.type[i];
    }
    PutLe16(image, 6, entry.mediaSequence);
    PutLe64(image, 12, entry.formatLogicalAddress);
    PutLe64(image, 20, entry.displayableSize);
    image[32] = static_cast<char>(kOsWindowsNt);
    image[33] = 1;
    image[34] = 2;
    const auto date = PackMtfDate(kDefaultDate);
    const std::size_t nameTa = volume ? 40 : 60;
    if (volume) {
        std::copy(date.begin(), date.end(), image.begin() + 56);
    } else {
        for (std::size_t at = kHeader; at < 56; at += 5) {
            std::copy(date.begin(), date.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
        }
    }
    image += AlignTo4(image.size());
    if (!entry.name.empty()) {
        PutLe16(image, nameTa, entry.name.size());
        PutLe16(image, nameTa + 2, image.size());
        image += entry.name;
    }
    image += AlignTo4(image.size());
    PutLe16(image, 0, image.size());
    return image;
}

} // namespace

BackupWriter::BackupWriter(Output& output) : output_(output) {}

CommonHeader BackupWriter::Header(std::string_view tag, std::uint32_t attributes) {
    CommonHeader header;
    header.tag = tag;
    header.attributes = attributes;
    header.formatLogicalAddress = Position() / kBlockSize;
    header.controlBlockId = controlBlockId_++;
    return header;
}

void BackupWriter::WriteBlock(const DescriptorBlock& block) {
    Raw(block.Image());
    PadToBlock();
}

void BackupWriter::Tape(const TapeSpec& spec) {
    DescriptorBlock block(Header("TAPE"), 96);
    block.Put32(52, spec.mediaFamilyId);
    block.Put32(56, 0);
    block.Put16(60, 1); // media sequence
    block.Put16(64, 2); // soft filemark block: 2 x 512 bytes
    block.Put16(66, spec.catalogueType);
    block.PutString(68, spec.mediaName);
    block.PutString(72, spec.description);
    block.PutTapeAddress(76, 0, 0);
    block.PutString(80, spec.softwareName);
    block.Put16(84, kBlockSize);
    block.Put16(86, 0x1200);
    block.PutDate(88, spec.date);
    block.Put16(93, 1); // MTF major version
    WriteBlock(block);
    SoftFilemark();
}

void BackupWriter::StartSet(const SetSpec& spec) {
    controlBlockId_ = 0;
    setNumber_ = spec.number;
    setCatalogue_.clear();
    const std::uint64_t start = Position();
    DescriptorBlock block(Header("SSET"), 98);
    block.Put32(52, spec.attributes);
    block.Put16(56, spec.passwordEncryption);
    block.Put16(58, spec.softwareCompression);
    block.Put16(60, 0x1200);
    block.Put16(62, spec.number);
    block.PutString(64, spec.name);
    block.PutString(68, spec.description);
    block.PutTapeAddress(72, 0, 0);
    block.PutString(76, spec.user);
    block.Put64(80, start / kBlockSize);
    block.PutDate(88, spec.date);
    block.Put16(93, 0x0501); // software version 1.5
    block.Put16(95, 127);    // time zone: local
    block.Put16(96, 0x0100); // MTF minor version 0, catalogue version 1
    WriteBlock(block);
    if (!block.InsideWindow(64) || !block.InsideWindow(76)) {
        return;
    }
    if (auto name = ExpectedSetName(spec.number, Utf16Bytes(spec.name), Utf16Bytes(spec.user),
                                    spec.passwordEncryption, spec.softwareCompression)) {
        setName_ = std::move(name);
    }
}

void BackupWriter::Volume(const VolumeSpec& spec) {
    const std::uint64_t start = Position();
    DescriptorBlock block(Header("VOLB"), 73);
    block.Put32(52, spec.attributes);
    block.PutString(56, spec.device);
    block.PutString(60, spec.volume);
    block.PutString(64, spec.machine);
    block.PutDate(68, spec.date);
    WriteBlock(block);
    if (block.InsideWindow(56)) {
        volumePrefix_ = ExpectedVolumePrefix(Utf16Bytes(spec.device));
    }
    setCatalogue_.push_back({"VOLB", Utf16Bytes(spec.device), start / kBlockSize, 0, 1});
}

void BackupWriter::Directory(const DirectorySpec& spec) {
    const std::uint64_t start = Position();
    const std::string name = DirectoryNameBytes(spec);
    DescriptorBlock block(Header("DIRB"), 84);
    for (std::size_t at : {std::size_t{56}, std::size_t{61}, std::size_t{66}, std::size_t{71}}) {
        block.PutDate(at, spec.date);
    }
    block.Put32(76, ++directoryId_);
    block.PutRawString(80, name);
    WriteBlock(block);
    if (block.InsideWindow(80)) {
        directoryPath_ = ExpectedDirectoryPath(name);
    }
    setCatalogue_.push_back({"DIRB", name, start / kBlockSize, 0, 1});
}

const WrittenEntry& BackupWriter::FileEntry(std::u16string_view name, const FileData& data,
                                            const EntryOptions& options) {
    return FileEntryRaw(Utf16Bytes(name), data, options);
}

const WrittenEntry& BackupWriter::FileEntryRaw(std::string_view nameBytes, const FileData& data,
                                               const EntryOptions& options) {
    WrittenEntry entry;
    entry.offset = Position();
    entry.nameBytes = std::string(nameBytes);
    const std::uint64_t n = options.nameLength.value_or(static_cast<std::uint32_t>(nameBytes.size()));
    const std::uint64_t length = options.entryLength.value_or(4 + nameBytes.size() + data.Length());
    // Stream-header shape: the id, two attribute words, the length and a checksum over them.
    std::string head = StreamHeader("ETED", length, options.bytes4And5);
    PutLe32(head, 22, n);
    Raw(head);
    Raw(nameBytes);
    if (data.Length() > 0) {
        data.WriteTo(output_);
    }
    entry.dataOffset = entry.offset + 26 + n;
    entry.dataLength = static_cast<std::int64_t>(length - n - 4);
    entry.reported = n <= 1024;
    const std::uint8_t following = data.Length() > 0 ? data.ByteAt(0) : 0;
    entry.name = ExpectedFileName(nameBytes, following);
    entry.path = ExpectedDisplayPath(setName_, volumePrefix_, directoryPath_, entry.name);
    setCatalogue_.push_back({"ETED", entry.nameBytes, entry.offset / kBlockSize, data.Length(), 1});
    entries_.push_back(std::move(entry));
    if (nameBytes.size() % 2 != 0 && data.Length() == 0) {
        oddNameEntry_ = entries_.size() - 1;
    }
    if (options.padToBlock) {
        Raw(AlignTo4(Position()));
        PadToBlock();
    }
    return entries_.back();
}

void BackupWriter::MtfFile(std::u16string_view name, const FileData& data) {
    DescriptorBlock block(Header("FILE"), 88);
    for (std::size_t at : {std::size_t{56}, std::size_t{61}, std::size_t{66}, std::size_t{71}}) {
        block.PutDate(at, kDefaultDate);
    }
    block.Put32(76, directoryId_);
    block.Put32(80, ++fileId_);
    block.PutString(84, name);
    Raw(block.Image());
    Raw(StreamHeader("STAN", data.Length()));
    data.WriteTo(output_);
    Raw(AlignTo4(Position()));
    PadToBlock();
}

void BackupWriter::Catalogue(const std::vector<CatalogueEntry>& entries) {
    std::string body;
    for (const auto& entry : entries) {
        body += CatalogueEntryImage(entry);
    }
    std::string fend(36, '\0');
    PutLe16(fend, 0, fend.size());
    fend.replace(2, 4, "FEND");
    PutLe16(fend, 6, 1);
    body += fend;
    Raw(StreamHeader("TFDD", body.size()));
    Raw(body);
    Raw(AlignTo4(Position()));
    PadToBlock();
}

void BackupWriter::SetCatalogue(std::string_view fileEntryType) {
    std::vector<CatalogueEntry> entries = setCatalogue_;
    for (auto& entry : entries) {
        if (entry.type == "ETED") {
            entry.type = std::string(fileEntryType);
        }
    }
    Catalogue(entries);
}

void BackupWriter::EndSet(std::uint32_t corruptFiles) {
    lastEndSet_ = Position();
    DescriptorBlock block(Header("ESET"), 85);
    block.Put32(56, corruptFiles);
    block.Put16(76, 1);
    block.Put16(78, setNumber_);
    block.PutDate(80, kDefaultDate);
    WriteBlock(block);
    SoftFilemark();
}

void BackupWriter::SoftFilemark() {
    PadToBlock();
    filemarks_.push_back(Position() / kBlockSize);
    constexpr std::size_t kEntries = (kBlockSize - 60) / 8;
    DescriptorBlock block(Header("SFMB"), kBlockSize);
    block.Put32(52, kEntries);
    const std::size_t used = std::min(filemarks_.size(), kEntries);
    block.Put32(56, used);
    // Most recent filemark first, as the array is kept on tape.
    for (std::size_t i = 0; i < used; ++i) {
        block.Put64(60 + 8 * i, filemarks_[filemarks_.size() - 1 - i]);
    }
    Raw(block.Image());
}

void BackupWriter::EndOfMedium() {
    DescriptorBlock block(Header("EOTM"), 60);
    block.Put64(52, lastEndSet_ / kBlockSize);
    WriteBlock(block);
}

void BackupWriter::ResolveOddName(std::uint8_t following) {
    if (!oddNameEntry_) {
        return;
    }
    WrittenEntry& entry = entries_[*oddNameEntry_];
    oddNameEntry_.reset();
    entry.name = ExpectedFileName(entry.nameBytes, following);
    // The scan context is still the entry's: blocks that change it resolve the name with their first
    // byte before they update it.
    entry.path = ExpectedDisplayPath(setName_, volumePrefix_, directoryPath_, entry.name);
}

void BackupWriter::Raw(std::string_view bytes) {
    if (!bytes.empty()) {
        ResolveOddName(static_cast<std::uint8_t>(bytes[0]));
    }
    output_.Write(bytes);
}

void BackupWriter::Zeros(std::uint64_t count) {
    if (count > 0) {
        ResolveOddName(0);
    }
    output_.WriteZeros(count);
}

void BackupWriter::PadToBlock() {
    Raw(SpadTo(Position()));
}

void BackupWriter::Finish() {
    ResolveOddName(0); // a scan reads zeros past the end of the file
    output_.Finish();
}

} // namespace tarvelo::bkfgen
