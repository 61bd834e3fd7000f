// Truncation sweep: every prefix of generated backups (at a fine step, and every byte around each
// descriptor tag and file entry header) scans without a fault and gives exactly the records the
// reference scan gives, read from memory, through a small buffer, or from a file.
#include "tests/reader/ScanComparison.h"
#include "tools/bkfgen/BackupDescription.h"
#include "tools/bkfgen/RandomBackup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace tarvelo {
namespace {

// Prefix lengths: every `step` bytes, every byte from 4 before to 10 after each tag (the tag and the
// two bytes that decide its acceptance), and every byte of each file entry's header and name and the
// first data bytes.
std::set<std::size_t> CutPoints(const std::string& bytes, const bkfgen::BackupLayout& layout,
                                std::size_t step) {
    std::set<std::size_t> cuts;
    for (std::size_t at = 0; at <= bytes.size(); at += step) {
        cuts.insert(at);
    }
    cuts.insert(bytes.size());
    const auto around = [&](std::uint64_t from, std::uint64_t to) {
        for (std::uint64_t at = from; at <= to && at <= bytes.size(); ++at) {
            cuts.insert(static_cast<std::size_t>(at));
        }
    };
    for (const std::string& tag : bkfgen::ScanTags()) {
        for (std::size_t at = bytes.find(tag); at != std::string::npos; at = bytes.find(tag, at + 1)) {
            around(at < 4 ? 0 : at - 4, at + 10);
        }
    }
    for (const auto& entry : layout.entries) {
        around(entry.offset, entry.dataOffset + 4);
    }
    return cuts;
}

void SweepPrefixes(const std::string& bytes, const bkfgen::BackupLayout& layout, std::size_t step) {
    const std::set<std::size_t> cuts = CutPoints(bytes, layout, step);
    std::size_t n = 0;
    for (const std::size_t cut : cuts) {
        const std::vector<std::uint8_t> prefix(bytes.begin(),
                                               bytes.begin() + static_cast<std::ptrdiff_t>(cut));
        test::ComparisonOptions options;
        // Most prefixes from memory (fast); some through a small buffer, whose edges then fall at
        // many places relative to the blocks; a few from a file.
        options.source = n % 7 == 0    ? test::SourceKind::SmallBuffers
                         : n % 53 == 0 ? test::SourceKind::File
                                       : test::SourceKind::Memory;
        options.bufferSize = 2048 + (n % 5) * 512;
        ++n;
        const std::string difference = test::CompareScans(prefix, options);
        ASSERT_EQ(difference, "") << "prefix of " << cut << " of " << bytes.size() << " bytes";
    }
}

TEST(TruncationSweep, EveryPrefixOfARandomBackupScansLikeTheReference) {
    for (const std::uint64_t seed : {3u}) {
        bkfgen::RandomBackupOptions options;
        options.seed = seed;
        options.files = 14;
        options.maxDataSize = 2500;
        bkfgen::BackupLayout layout;
        const std::string bytes = bkfgen::MakeRandomBackup(options, &layout);
        SCOPED_TRACE("seed " + std::to_string(seed));
        SweepPrefixes(bytes, layout, 61);
    }
}

TEST(TruncationSweep, EveryPrefixOfABackupWithCataloguesScansLikeTheReference) {
    // Catalogues listing "ETED" entries make the scan meet catalogue entries' tags as file entries;
    // cutting inside a catalogue makes its walk fail part-way.
    bkfgen::BackupDescription description;
    for (std::uint16_t number = 1; number <= 2; ++number) {
        bkfgen::SetContent set;
        set.set.number = number;
        bkfgen::DirectoryContent folder;
        folder.directory.components = {u"Data", u"Logs"};
        for (int file = 0; file < 4; ++file) {
            folder.files.push_back(
                {u"E0" + std::u16string(1, static_cast<char16_t>(u'0' + file)) + u".log",
                 bkfgen::FileData::Patterned(static_cast<std::uint64_t>(300 + 700 * file), 9),
                 {}});
        }
        set.volumes.push_back({bkfgen::VolumeSpec{}, {folder}});
        set.catalogueFileType = number == 1 ? "ETED" : "FILE";
        description.sets.push_back(set);
    }
    bkfgen::BackupLayout layout;
    const std::string bytes = bkfgen::BuildBackup(description, &layout);
    SweepPrefixes(bytes, layout, 29);
}

} // namespace
} // namespace tarvelo
