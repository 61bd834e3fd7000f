#include "tools/bkfgen/RandomBackup.h"

#include "tests/tools/StreamWalk.h"
#include "tools/bkfgen/LittleEndian.h"

#include <gtest/gtest.h>

namespace tarvelo::bkfgen {
namespace {

TEST(RandomBackup, SameSeedSameBytesOtherSeedOtherBytes) {
    RandomBackupOptions options;
    options.seed = 42;
    options.plantedTags = 5;
    options.damage = 3;
    EXPECT_EQ(MakeRandomBackup(options), MakeRandomBackup(options));
    RandomBackupOptions other = options;
    other.seed = 43;
    EXPECT_NE(MakeRandomBackup(options), MakeRandomBackup(other));
}

TEST(RandomBackup, EveryListedEntryStandsWhereTheLayoutSays) {
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        RandomBackupOptions options;
        options.seed = seed;
        options.files = 25;
        BackupLayout layout;
        const std::string bytes = MakeRandomBackup(options, &layout);
        ASSERT_EQ(layout.entries.size(), options.files) << seed;
        ASSERT_EQ(layout.size, bytes.size());
        for (const auto& entry : layout.entries) {
            const auto at = static_cast<std::size_t>(entry.offset);
            ASSERT_EQ(bytes.substr(at, 4), "ETED") << "seed " << seed;
            const std::uint32_t n = GetLe32(bytes, at + 22);
            EXPECT_EQ(n, entry.nameBytes.size());
            EXPECT_EQ(bytes.substr(at + 26, n), entry.nameBytes);
            EXPECT_EQ(GetLe64(bytes, at + 8), 4 + n + static_cast<std::uint64_t>(entry.dataLength));
            EXPECT_LE(entry.dataOffset + static_cast<std::uint64_t>(entry.dataLength), bytes.size());
        }
    }
}

TEST(RandomBackup, WithoutNoiseTheStreamIsSoundMtf) {
    for (std::uint64_t seed = 1; seed <= 50; ++seed) {
        RandomBackupOptions options;
        options.seed = seed;
        options.noise = false;
        const test::Walk walk = test::WalkStream(MakeRandomBackup(options));
        EXPECT_TRUE(walk.faults.empty()) << "seed " << seed << ": " << walk.faults.front();
    }
}

TEST(RandomBackup, PlantedTagsSitNearWindowEdges) {
    RandomBackupOptions options;
    options.seed = 9;
    options.files = 200;
    options.noise = false;
    const std::string clean = MakeRandomBackup(options);
    options.plantedTags = 30;
    const std::string planted = MakeRandomBackup(options);
    ASSERT_EQ(clean.size(), planted.size());
    std::size_t changed = 0;
    for (std::size_t at = 0; at < clean.size(); ++at) {
        if (clean[at] != planted[at]) {
            ++changed;
            const std::size_t to1020 = std::min(at % 1020, 1020 - at % 1020);
            const std::size_t to1024 = std::min(at % 1024, 1024 - at % 1024);
            EXPECT_LE(std::min(to1020, to1024), 10u) << at;
        }
    }
    EXPECT_GT(changed, 30u);
}

TEST(RandomBackup, ThousandsOfSmallBackupsAreQuick) {
    // The differential tests make this many; a regression to slow generation shows here as a timeout.
    std::size_t total = 0;
    for (std::uint64_t seed = 0; seed < 2000; ++seed) {
        RandomBackupOptions options;
        options.seed = seed;
        options.files = 10;
        options.plantedTags = 4;
        total += MakeRandomBackup(options).size();
    }
    EXPECT_GT(total, 0u);
}

} // namespace
} // namespace tarvelo::bkfgen
