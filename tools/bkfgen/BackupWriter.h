// Writes an MTF stream block by block to an Output, the way a backup program lays one out, and keeps
// what a scan of it is expected to find: every "ETED" file entry with its offset, name, data extent
// and display path.
//
// Typical use:
//     std::string bytes;
//     StringOutput out(bytes);
//     BackupWriter writer(out);
//     writer.Tape({});
//     writer.StartSet(SetSpec{});            // set 1 by ADMIN
//     writer.Volume(VolumeSpec{});           // C:
//     DirectorySpec data;
//     data.components = {u"Data"};
//     writer.Directory(data);
//     writer.FileEntry(u"priv1.edb", FileData::Patterned(5000, 7));
//     writer.EndSet();
//     writer.Finish();
//     // writer.Entries()[0].offset is where the "ETED" tag stands
#pragma once

#include "tools/bkfgen/BlockWriter.h"
#include "tools/bkfgen/FileData.h"
#include "tools/bkfgen/Output.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo::bkfgen {

inline constexpr MtfDate kDefaultDate{2009, 3, 26, 14, 5, 9};

struct TapeSpec {
    std::u16string mediaName = u"Media created 3/26/2009 at 2:05 PM";
    std::u16string description;
    std::u16string softwareName = u"Tarvelo test backup";
    std::uint32_t mediaFamilyId = 0x49C8B3E5;
    std::uint16_t catalogueType = 1;
    MtfDate date = kDefaultDate;
};

struct SetSpec {
    std::uint16_t number = 1;
    std::u16string name = u"Set created 3/26/2009 at 2:05 PM";
    std::u16string description;
    std::u16string user = u"ADMIN";
    std::uint16_t passwordEncryption = 0;
    std::uint16_t softwareCompression = 0;
    std::uint32_t attributes = 0;
    MtfDate date = kDefaultDate;
};

struct VolumeSpec {
    std::u16string device = u"C:";
    std::u16string volume = u"C:";
    std::u16string machine = u"EXCHSRV01";
    std::uint32_t attributes = 4; // drive letter form "C:"
    MtfDate date = kDefaultDate;
};

struct DirectorySpec {
    // Path components below the volume root; empty for the root itself.
    std::vector<std::u16string> components;
    MtfDate date = kDefaultDate;
    // Replaces the encoded name (components each followed by a nul) when set: odd sizes, no nuls...
    std::optional<std::string> rawName;
};

// How one "ETED" entry is laid out; the defaults give a well-formed entry that ends on a block edge.
struct EntryOptions {
    std::uint16_t bytes4And5 = 0;             // both non-zero makes the tag unacceptable
    std::optional<std::uint64_t> entryLength; // the L field; default 4 + N + D
    std::optional<std::uint32_t> nameLength;  // the N field; default the name's byte count
    bool padToBlock = true;                   // 4-byte alignment and SPAD to the next block after the data
};

// A catalogue ("TFDD") entry. `type` is "VOLB", "DIRB", "ETED", "FILE" or anything else.
struct CatalogueEntry {
    std::string type;
    std::string name; // raw bytes: device name (VOLB), nul-separated path (DIRB), file name (files)
    std::uint64_t formatLogicalAddress = 0;
    std::uint64_t displayableSize = 0;
    std::uint16_t mediaSequence = 1;
};

// What the scan is expected to report for one written file entry.
struct WrittenEntry {
    std::uint64_t offset = 0;     // position of the "ETED" tag
    std::string nameBytes;        // the N name bytes as written
    std::u16string name;          // the name as the scan reads it (ceil(N/2) units, at most 512)
    std::uint64_t dataOffset = 0; // offset + 26 + N
    std::int64_t dataLength = 0;  // D = L - N - 4 (negative for a broken L)
    std::u16string path;          // display path for a well-formed stream (set, volume, directory, name)
    bool reported = true;         // false when N exceeds 1024
};

class BackupWriter {
public:
    explicit BackupWriter(Output& output);

    void Tape(const TapeSpec& spec);
    void StartSet(const SetSpec& spec);
    void Volume(const VolumeSpec& spec);
    void Directory(const DirectorySpec& spec);
    // An "ETED" file entry with its data.
    const WrittenEntry& FileEntry(std::u16string_view name, const FileData& data,
                                  const EntryOptions& options = {});
    // The same with the name given as raw bytes (odd lengths, broken UTF-16). An odd-length name
    // without data ends in a unit whose high byte is the next byte written, so its expected name and
    // path are settled by the next write (or Finish).
    const WrittenEntry& FileEntryRaw(std::string_view nameBytes, const FileData& data,
                                     const EntryOptions& options = {});
    // A standard MTF "FILE" block with its data in a "STAN" stream; the scan must not report it.
    void MtfFile(std::u16string_view name, const FileData& data);
    // A type-1 catalogue stream listing the given entries, closed by "FEND" and padded to the block.
    void Catalogue(const std::vector<CatalogueEntry>& entries);
    // The catalogue of the current set: its VOLB, DIRB and file entries as written, the files under
    // `fileEntryType` ("ETED", or "FILE" as MTF itself writes).
    void SetCatalogue(std::string_view fileEntryType = "ETED");
    void EndSet(std::uint32_t corruptFiles = 0);
    void SoftFilemark();
    void EndOfMedium();
    void Raw(std::string_view bytes);
    void Zeros(std::uint64_t count);
    void PadToBlock();
    void Finish();

    [[nodiscard]] std::uint64_t Position() const { return output_.Position(); }
    [[nodiscard]] const std::vector<WrittenEntry>& Entries() const { return entries_; }

private:
    [[nodiscard]] CommonHeader Header(std::string_view tag, std::uint32_t attributes = 0);
    void WriteBlock(const DescriptorBlock& block);
    // An odd-length name without data borrows its last byte from whatever is written next.
    void ResolveOddName(std::uint8_t following);

    Output& output_;
    std::vector<WrittenEntry> entries_;
    std::vector<std::uint64_t> filemarks_;
    std::optional<std::size_t> oddNameEntry_;
    std::vector<CatalogueEntry> setCatalogue_;
    std::uint32_t controlBlockId_ = 0;
    std::uint16_t setNumber_ = 0;
    std::uint64_t lastEndSet_ = 0;
    std::uint32_t directoryId_ = 0;
    std::uint32_t fileId_ = 0;
    // Scan context, for the expected display paths.
    std::optional<std::u16string> setName_;
    std::u16string volumePrefix_;
    std::u16string directoryPath_;
};

} // namespace tarvelo::bkfgen
