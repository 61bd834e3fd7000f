#include "tools/bkfgen/RandomBackup.h"

#include "reader/TextEncoding.h"
#include "tools/bkfgen/Damage.h"
#include "tools/bkfgen/SplitMix.h"

#include <algorithm>

namespace tarvelo::bkfgen {

namespace {

std::u16string RandomText(SplitMix& random, std::size_t units) {
    // Mostly letters, with characters the display path must replace and some beyond ASCII.
    static const std::u16string alphabet = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 "
                                           u"._-/\\:*?<>|\"\u00e9\u00df\u4e2d\u0416";
    std::u16string text;
    for (std::size_t i = 0; i < units; ++i) {
        text.push_back(alphabet[static_cast<std::size_t>(random.Below(alphabet.size()))]);
    }
    return text;
}

std::u16string RandomPlainName(SplitMix& random, std::size_t low, std::size_t high) {
    static const std::u16string letters = u"abcdefghijklmnopqrstuvwxyz0123456789_";
    std::u16string text;
    const std::size_t units = static_cast<std::size_t>(random.Between(low, high));
    for (std::size_t i = 0; i < units; ++i) {
        text.push_back(letters[static_cast<std::size_t>(random.Below(letters.size()))]);
    }
    return text;
}

std::string Utf16Bytes(std::u16string_view text) {
    std::string bytes;
    AppendUtf16Le(bytes, text);
    return bytes;
}

FileData RandomData(SplitMix& random, std::uint64_t maxSize) {
    const std::uint64_t size = random.Percent(5) ? 0 : random.Below(maxSize + 1);
    switch (random.Below(3)) {
    case 0:
        return FileData::ZeroFilled(size);
    case 1:
        return FileData::Patterned(size, static_cast<std::uint8_t>(random.Below(256)));
    default: {
        std::string bytes(static_cast<std::size_t>(size), '\0');
        for (auto& byte : bytes) {
            byte = static_cast<char>(random.Below(256));
        }
        return FileData::Literal(std::move(bytes));
    }
    }
}

SetSpec RandomSet(SplitMix& random, std::uint16_t number, bool noise) {
    SetSpec set;
    set.number = number;
    set.name = RandomText(random, static_cast<std::size_t>(random.Between(0, 30)));
    set.user = random.Percent(20) ? std::u16string() : RandomPlainName(random, 1, 12);
    if (noise && random.Percent(15)) {
        // Encrypted and compressed with a long user name: a scan ignores this set.
        set.passwordEncryption = 1;
        set.softwareCompression = 1;
        set.user = RandomPlainName(random, 59, 70);
    }
    return set;
}

DirectorySpec RandomDirectory(SplitMix& random, bool noise) {
    DirectorySpec directory;
    const std::size_t depth = static_cast<std::size_t>(random.Below(5));
    for (std::size_t i = 0; i < depth; ++i) {
        const bool longName = random.Percent(10);
        directory.components.push_back(
            longName ? RandomPlainName(random, 150, 300)
                     : RandomText(random, static_cast<std::size_t>(random.Between(1, 24))));
    }
    if (noise && random.Percent(5)) {
        std::string raw = Utf16Bytes(RandomPlainName(random, 1, 20));
        raw.push_back('x'); // odd byte count
        directory.rawName = raw;
    }
    return directory;
}

void WriteRandomEntry(BackupWriter& writer, SplitMix& random, const RandomBackupOptions& options) {
    EntryOptions entry;
    entry.padToBlock = !options.noise || random.Percent(80);
    const FileData data = RandomData(random, options.maxDataSize);
    const std::uint64_t shape = options.noise ? random.Below(100) : 99;
    if (shape < 15) {
        std::string name = Utf16Bytes(RandomPlainName(random, 1, 40));
        name.push_back(static_cast<char>('a' + random.Below(26))); // odd name length
        writer.FileEntryRaw(name, data, entry);
    } else if (shape < 18) {
        std::string name = Utf16Bytes(RandomPlainName(random, 513, 550)); // over 1024 bytes
        writer.FileEntryRaw(name, data, entry);
    } else if (shape < 23) {
        writer.FileEntry(RandomPlainName(random, 480, 512), data, entry); // near the window's end
    } else {
        writer.FileEntry(RandomText(random, static_cast<std::size_t>(random.Between(1, 64))), data, entry);
    }
    if (!entry.padToBlock) {
        writer.Zeros(random.Below(8)); // the next block starts at an odd offset
    }
    if (options.noise && random.Percent(20)) {
        writer.MtfFile(RandomPlainName(random, 1, 30), RandomData(random, options.maxDataSize));
    }
}

void PlantEdgeTags(std::string& bytes, SplitMix& random, std::size_t count) {
    if (bytes.size() < 2048) {
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        // Near a multiple of the window step (1020) or of the block size (1024).
        const std::uint64_t step = random.Percent(50) ? 1020 : 1024;
        const std::uint64_t edge = step * random.Between(1, bytes.size() / step);
        const std::uint64_t at = edge - 4 + random.Below(9);
        const auto& tags = ScanTags();
        std::string tag = random.Percent(10) ? std::string("FILE")
                                             : tags[static_cast<std::size_t>(random.Below(tags.size()))];
        tag.push_back(static_cast<char>(random.Percent(30) ? 1 + random.Below(255) : 0));
        tag.push_back(static_cast<char>(random.Percent(30) ? 1 + random.Below(255) : 0));
        PlantTag(bytes, at, tag);
    }
}

void RandomDamage(std::string& bytes, SplitMix& random, std::size_t count) {
    for (std::size_t i = 0; i < count && !bytes.empty(); ++i) {
        const std::uint64_t at = random.Below(bytes.size());
        switch (random.Below(4)) {
        case 0:
            ZeroRange(bytes, at, random.Between(1, 4096));
            break;
        case 1:
            FlipBytes(bytes, at, random.Between(1, 16), static_cast<std::uint8_t>(random.Between(1, 255)));
            break;
        case 2:
            FlipRandomBytes(bytes, random.Next(), random.Between(1, 64));
            break;
        default:
            if (random.Percent(30)) {
                Truncate(bytes, at);
            }
            break;
        }
    }
}

} // namespace

const std::vector<std::string>& ScanTags() {
    static const std::vector<std::string> tags = {"TAPE", "SFMB", "SSET", "VOLB", "DIRB", "ETED", "ESET",
                                                  "EOTM", "CFIL", "ESPB", "TSMP", "TFDD", "NACL", "NTQU",
                                                  "CSUM", "STAN", "SPAD", "FEND", "NTOI"};
    return tags;
}

std::string MakeRandomBackup(const RandomBackupOptions& options, BackupLayout* layout) {
    SplitMix random(options.seed);
    std::string bytes;
    StringOutput output(bytes);
    BackupWriter writer(output);
    if (!options.noise || random.Percent(90)) {
        writer.Tape({});
    }
    std::size_t written = 0;
    if (options.noise && options.files > 0 && random.Percent(10)) {
        writer.FileEntry(u"before any set.txt", RandomData(random, options.maxDataSize));
        ++written;
    }
    std::uint16_t setNumber = 0;
    while (written < options.files) {
        writer.StartSet(RandomSet(random, ++setNumber, options.noise));
        const std::size_t volumes = static_cast<std::size_t>(random.Between(1, 2));
        for (std::size_t v = 0; v < volumes && written < options.files; ++v) {
            VolumeSpec volume;
            static const std::u16string devices[] = {u"C:", u"D:", u"E:", u"\\\\SRV01\\Share", u""};
            volume.device = devices[random.Below(options.noise ? 5 : 3)];
            writer.Volume(volume);
            const std::size_t directories = static_cast<std::size_t>(random.Between(1, 4));
            for (std::size_t d = 0; d < directories && written < options.files; ++d) {
                writer.Directory(RandomDirectory(random, options.noise));
                const std::size_t files = static_cast<std::size_t>(random.Between(1, 8));
                for (std::size_t f = 0; f < files && written < options.files; ++f, ++written) {
                    WriteRandomEntry(writer, random, options);
                }
            }
        }
        writer.EndSet();
        if (options.catalogues && random.Percent(50)) {
            writer.SetCatalogue(random.Percent(50) ? "ETED" : "FILE");
        }
    }
    if (random.Percent(30)) {
        writer.EndOfMedium();
    }
    writer.Finish();
    if (layout != nullptr) {
        *layout = BackupLayout{writer.Entries(), writer.Position()};
    }
    PlantEdgeTags(bytes, random, options.plantedTags);
    RandomDamage(bytes, random, options.damage);
    return bytes;
}

} // namespace tarvelo::bkfgen
