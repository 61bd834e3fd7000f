// The reader against the reference scanner, and against what the generator says it wrote, over
// generated backups: clean ones, and copies damaged in the ways real backups are (cut off, bytes
// flipped, stretches zeroed, tags written at the edges of the 1024-byte windows).
#include "reader/MtfReader.h"
#include "reader/TextEncoding.h"
#include "tests/reader/RecordingSink.h"
#include "tests/reader/ScanComparison.h"
#include "tools/bkfgen/Damage.h"
#include "tools/bkfgen/RandomBackup.h"

#include <gtest/gtest.h>

#include <random>

namespace tarvelo {
namespace {

std::vector<std::uint8_t> BytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(DifferentialGenerated, CleanBackupsYieldExactlyTheWrittenEntries) {
    for (std::uint64_t seed = 1; seed <= 150; ++seed) {
        bkfgen::RandomBackupOptions options;
        options.seed = seed;
        options.files = static_cast<std::size_t>(seed % 50);
        options.maxDataSize = seed % 3 == 0 ? 40000 : 3000;
        options.catalogues = false; // "ETED"-typed catalogue entries would be found as entries too
        options.noise = seed % 2 == 0;
        bkfgen::BackupLayout layout;
        const auto bytes = BytesOf(bkfgen::MakeRandomBackup(options, &layout));

        ScanControl control;
        control.running = 1;
        test::RecordingSink sink;
        MtfReader reader(control, sink);
        ASSERT_EQ(reader.Scan(std::make_unique<MemoryByteSource>(std::span(bytes))), ScanResult::Completed);
        const auto files = test::FilesOf(sink.events);
        std::vector<bkfgen::WrittenEntry> expected;
        for (const auto& entry : layout.entries) {
            if (entry.reported) {
                expected.push_back(entry);
            }
        }
        ASSERT_EQ(files.size(), expected.size()) << "seed " << seed;
        for (std::size_t i = 0; i < files.size(); ++i) {
            // The generator's expected directory ignores that a name reaching past the 1024-byte window
            // leaves the previous directory in force; paths are checked against the reference below,
            // here only that each ends with its file's name.
            const std::u16string path = files[i].Path();
            const std::u16string& name = expected[i].name;
            if (path.size() < 1023 && name.find(u'\0') == std::u16string::npos) {
                EXPECT_TRUE(path.ends_with(name)) << "seed " << seed << " file " << i;
            }
            EXPECT_EQ(files[i].EntryOffset(), expected[i].offset);
            EXPECT_EQ(files[i].DataSize(), static_cast<std::uint32_t>(expected[i].dataLength));
        }
        ASSERT_EQ(test::CompareScans(bytes, {}), "") << "seed " << seed;
    }
}

// Damage of every kind on top of the generator's own, then both scanners over the result.
void Damage(std::string& bytes, std::mt19937_64& rng) {
    auto below = [&rng](std::uint64_t limit) {
        return limit == 0 ? 0 : std::uniform_int_distribution<std::uint64_t>(0, limit - 1)(rng);
    };
    static const char* const kTags[] = {"ETED", "SSET", "VOLB", "DIRB", "TFDD", "FEND", "TAPE", "FILE"};
    const std::uint64_t operations = 1 + below(6);
    for (std::uint64_t i = 0; i < operations && !bytes.empty(); ++i) {
        switch (below(5)) {
        case 0:
            bkfgen::Truncate(bytes, below(bytes.size() + 1));
            break;
        case 1:
            bkfgen::FlipRandomBytes(bytes, rng(), 1 + below(40));
            break;
        case 2:
            bkfgen::ZeroRange(bytes, below(bytes.size()), below(3000));
            break;
        case 3: {
            // A tag at window positions 1016 to 1023 (or just past them), its followers acceptable.
            const std::uint64_t window = below(bytes.size() / 1020 + 1);
            const std::uint64_t at = window * 1020 + 1012 + below(16);
            bkfgen::PlantTag(bytes, at, std::string(kTags[below(8)]) + std::string(2, '\0'));
            break;
        }
        default: {
            const std::uint64_t at = below(bytes.size());
            bkfgen::PlantTag(bytes, at, kTags[below(8)]);
            break;
        }
        }
    }
}

TEST(DifferentialGenerated, DamagedBackupsGiveTheSameRecordsAsTheReference) {
    std::mt19937_64 rng(4242);
    for (std::uint64_t seed = 1; seed <= 900; ++seed) {
        bkfgen::RandomBackupOptions options;
        options.seed = 1000 + seed;
        options.files = static_cast<std::size_t>(rng() % 60);
        options.maxDataSize = rng() % 4 == 0 ? 20000 : 2500;
        options.plantedTags = static_cast<std::size_t>(rng() % 12);
        options.damage = static_cast<std::size_t>(rng() % 4);
        std::string bytes = bkfgen::MakeRandomBackup(options);
        if (seed % 4 != 0) {
            Damage(bytes, rng);
        }
        test::ComparisonOptions comparison;
        comparison.source = static_cast<test::SourceKind>(seed % 3);
        comparison.bufferSize = 2048 + static_cast<std::size_t>(rng() % 5000);
        if (seed % 10 == 0) {
            comparison.stopAfter = 1 + static_cast<std::size_t>(rng() % 30);
        }
        ASSERT_EQ(test::CompareScans(BytesOf(bytes), comparison), "") << "seed " << seed;
    }
}

} // namespace
} // namespace tarvelo
