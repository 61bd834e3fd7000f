#include "bench/RealisticBackup.h"

#include "tools/bkfgen/SplitMix.h"

#include <algorithm>
#include <string>

namespace tarvelo::bench {
namespace {

using bkfgen::SplitMix;

constexpr std::uint64_t kKiB = 1024;
constexpr std::uint64_t kMiB = kKiB * 1024;
constexpr std::size_t kPage = 4096;
constexpr int kSets = 3;
constexpr int kFoldersPerSet = 12;
constexpr std::uint64_t kFilesPerFolder = 120;

// Most files are small, a fifth are medium, a few are large: about 330 KiB on average, so a GiB holds
// some three thousand entries.
std::uint64_t FileSize(SplitMix& random) {
    const std::uint64_t kind = random.Below(100);
    if (kind < 75) {
        return random.Between(1, 32 * kKiB);
    }
    if (kind < 97) {
        return random.Between(32 * kKiB, 512 * kKiB);
    }
    return random.Between(1 * kMiB, 16 * kMiB);
}

void AppendRandomPage(SplitMix& random, std::string& data, std::size_t count) {
    for (std::size_t done = 0; done < count; done += 8) {
        std::uint64_t word = random.Next();
        for (std::size_t byte = 0; byte < 8 && done + byte < count; ++byte, word >>= 8) {
            data.push_back(static_cast<char>(word & 0xFF));
        }
    }
}

void AppendTextPage(SplitMix& random, std::string& data, std::size_t count) {
    // Lower case only: upper-case text could spell descriptor tags, which real file data rarely does.
    static constexpr char kLetters[] = "etaoin shrdlu cmfwyp vbgkqj xz\r\n,.0123456789";
    for (std::size_t done = 0; done < count; done += 8) {
        std::uint64_t word = random.Next();
        for (std::size_t byte = 0; byte < 8 && done + byte < count; ++byte, word >>= 8) {
            data.push_back(kLetters[(word & 0xFF) % (sizeof kLetters - 1)]);
        }
    }
}

// Page by page: six in ten random binary, three in ten text, one in ten zeros.
std::string FileContent(SplitMix& random, std::uint64_t size) {
    std::string data;
    data.reserve(size);
    while (data.size() < size) {
        const std::size_t count =
            static_cast<std::size_t>(std::min<std::uint64_t>(kPage, size - data.size()));
        const std::uint64_t kind = random.Below(10);
        if (kind < 6) {
            AppendRandomPage(random, data, count);
        } else if (kind < 9) {
            AppendTextPage(random, data, count);
        } else {
            data.append(count, '\0');
        }
    }
    return data;
}

} // namespace

bkfgen::BackupLayout WriteRealisticBackup(const RealisticBackupOptions& options, bkfgen::Output& output) {
    SplitMix random(options.seed);
    bkfgen::BackupWriter writer(output);
    writer.Tape({});
    std::uint64_t fileNumber = 0;
    for (int set = 1; output.Position() < options.size; ++set) {
        bkfgen::SetSpec spec;
        spec.number = static_cast<std::uint16_t>(set);
        spec.name = u"Daily backup " + std::u16string(1, static_cast<char16_t>(u'0' + set % 10));
        writer.StartSet(spec);
        writer.Volume({});
        // Each set takes its share of the size; the last set fills up what is left.
        const std::uint64_t setEnd =
            std::min(options.size, options.size / kSets * static_cast<std::uint64_t>(set));
        for (int folder = 0; folder < kFoldersPerSet && output.Position() < setEnd; ++folder) {
            bkfgen::DirectorySpec directory;
            directory.components = {u"Exchsrvr", u"mdbdata",
                                    u"Folder" + std::u16string(1, static_cast<char16_t>(u'A' + folder))};
            writer.Directory(directory);
            for (std::uint64_t file = 0; file < kFilesPerFolder && output.Position() < setEnd; ++file) {
                std::string name = "E00" + std::to_string(++fileNumber) + ".log";
                writer.FileEntry(std::u16string(name.begin(), name.end()),
                                 bkfgen::FileData::Literal(FileContent(random, FileSize(random))));
            }
        }
        writer.EndSet();
        // File entries listed as MTF "FILE" records: an "ETED"-typed catalogue's last entry would be taken
        // for a file entry whose length field is a block address, and the scan would leap over the
        // following sets, measuring a skip rather than a scan.
        writer.SetCatalogue("FILE");
    }
    writer.Finish();
    return {writer.Entries(), writer.Position()};
}

} // namespace tarvelo::bench
