// The reader against the reference scanner over streams of noise with descriptor blocks planted in
// them: at random places, at the edges of the 1024-byte windows and at the end of the file, with
// damaged fields of every kind.
#include "tests/reader/ScanComparison.h"
#include "tests/reader/TestBytes.h"

#include <gtest/gtest.h>

#include <random>

namespace tarvelo {
namespace {

using test::TestBytes;

class StreamMaker {
public:
    explicit StreamMaker(std::uint64_t seed) : rng_(seed) {}

    std::vector<std::uint8_t> Make() {
        const std::size_t size = PickSize();
        TestBytes bytes(size);
        Fill(bytes);
        const std::size_t blocks = Below(size / 200 + 4);
        for (std::size_t i = 0; i < blocks && size > 0; ++i) {
            Plant(bytes, PickPosition(size));
        }
        std::vector<std::uint8_t> out = bytes.Bytes();
        out.resize(size); // blocks planted near the end are cut by it
        return out;
    }

    std::size_t Below(std::size_t limit) {
        return limit == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, limit - 1)(rng_);
    }
    bool Chance(int percent) { return Below(100) < static_cast<std::size_t>(percent); }

private:
    std::size_t PickSize() {
        switch (Below(6)) {
        case 0:
            return Below(40);
        case 1:
            return 1020 * (1 + Below(4)) + Below(12) - 6;
        case 2:
            return Below(3000);
        case 3:
            return Below(200000);
        default:
            return Below(30000);
        }
    }

    void Fill(TestBytes& bytes) {
        const std::size_t kind = Below(4);
        if (kind == 0) {
            return; // zeros
        }
        static const std::string letters = "TAPESSETVOLBDIRBETEDTFDDFENDFILE\0\0\0\0\1\2";
        for (std::size_t i = 0; i < bytes.Size(); ++i) {
            const char c = kind == 1 ? static_cast<char>(Below(256)) : letters[Below(letters.size())];
            bytes.Raw(i, std::string_view(&c, 1));
        }
    }

    std::size_t PickPosition(std::size_t size) {
        switch (Below(4)) {
        case 0: { // around a window edge
            const std::size_t edge = 1020 * (1 + Below(size / 1020 + 1));
            return std::min(size - 1, edge - std::min(edge, std::size_t{8}) + Below(16));
        }
        case 1: // near the end
            return size - 1 - std::min(size - 1, Below(1100));
        default:
            return Below(size);
        }
    }

    std::u16string Text(std::size_t maxUnits) {
        std::u16string text(Below(maxUnits + 1), u'a');
        for (char16_t& unit : text) {
            const std::size_t pick = Below(20);
            unit = pick == 0   ? u'\0'
                   : pick == 1 ? u'/'
                   : pick == 2 ? static_cast<char16_t>(0x80 + Below(0x80))
                               : static_cast<char16_t>(u'a' + Below(26));
        }
        return text;
    }

    std::uint16_t SmallOrAny(std::uint16_t typical) {
        return Chance(85) ? typical : static_cast<std::uint16_t>(Below(65536));
    }

    void Plant(TestBytes& b, std::size_t at) {
        switch (Below(9)) {
        case 0:
            test::PutSet(b, at, static_cast<std::uint16_t>(Below(70000)), Text(12), Text(Chance(30) ? 70 : 8),
                         static_cast<std::uint16_t>(Below(2)), static_cast<std::uint16_t>(Below(2)));
            if (Chance(10)) { // a string reaching out of the window
                b.Le16(at + 64 + 4 * Below(4), SmallOrAny(10)).Le16(at + 66 + 4 * Below(4), 1000 + Below(40));
            }
            break;
        case 1:
            b.Raw(at, "VOLB").String(at, 56, 100 + Below(900), test::Le(Text(3)));
            if (Chance(15)) {
                b.Le16(at + 56, Below(3)).Le16(at + 58, SmallOrAny(1022));
            }
            break;
        case 2: {
            std::string name = test::Le(Text(Chance(20) ? 300 : 20));
            if (!name.empty() && Chance(20)) {
                name.pop_back();
            }
            b.Raw(at, "DIRB").String(at, 80, 100 + Below(Chance(50) ? 50 : 924), name);
            break;
        }
        case 3:
        case 4: {
            std::size_t nameBytes = Below(30);
            if (Chance(25)) {
                nameBytes = 995 + Below(32); // around the 1024-byte limit and the window's end
            }
            std::string name = test::Le(Text(nameBytes / 2 + 1)).substr(0, nameBytes);
            name.resize(nameBytes, 'q');
            std::uint64_t data = Below(3000);
            if (Chance(10)) {
                data = static_cast<std::uint64_t>(-static_cast<std::int64_t>(Below(5000)));
            } else if (Chance(5)) {
                data = (std::uint64_t{1} << 63) + Below(100) - 50;
            } else if (Chance(5)) {
                data = std::uint64_t{Below(1u << 31)} << Below(33);
            }
            test::PutEntry(b, at, name, data, false);
            break;
        }
        case 5: {
            b.Raw(at, "TFDD");
            std::size_t entry = at + 22;
            const std::size_t entries = Below(12);
            static const char* const kTypes[] = {"VOLB", "DIRB", "ETED", "ETED",
                                                 "DIRB", "FEND", "FILE", "\0\0\0\0"};
            for (std::size_t i = 0; i < entries; ++i) {
                std::size_t length = 36 + Below(80);
                if (Chance(4)) {
                    length = Below(4) == 0 ? 0 : 1010 + Below(12);
                } else if (Chance(5)) {
                    length = 1 + Below(8);
                }
                b.Le16(entry, length)
                    .Raw(entry + 2, std::string_view(kTypes[Below(i + 1 == entries ? 8 : 5)], 4));
                entry += length;
            }
            break;
        }
        case 6:
            b.Raw(at, "FILE").Le32(at + 4, 0);
            break;
        default: {
            static const char* const kOthers[] = {"TAPE", "SFMB", "ESET", "EOTM", "CFIL", "ESPB", "TSMP",
                                                  "NACL", "NTQU", "CSUM", "STAN", "SPAD", "FEND", "NTOI"};
            b.Raw(at, kOthers[Below(14)]);
            break;
        }
        }
        // The two bytes after the tag: usually an acceptable pair, sometimes not.
        if (Chance(15)) {
            b.Le16(at + 4, 0x0101 + Below(0xFE00));
        } else if (Chance(50)) {
            b.Le16(at + 4, Below(2) * 0x0100 + Below(256) * Below(2));
        }
    }

    std::mt19937_64 rng_;
};

TEST(DifferentialScan, PlantedBlocksInNoiseGiveTheSameRecordsAsTheReference) {
    StreamMaker maker(20261211);
    for (int i = 0; i < 1200; ++i) {
        const auto bytes = maker.Make();
        test::ComparisonOptions options;
        options.source = static_cast<test::SourceKind>(i % 3);
        options.bufferSize = 2048 + maker.Below(3000);
        if (maker.Chance(10)) {
            options.stopAfter = 1 + maker.Below(20);
        }
        const std::string difference = test::CompareScans(bytes, options);
        ASSERT_EQ(difference, "") << "stream " << i << " of " << bytes.size() << " bytes";
    }
}

} // namespace
} // namespace tarvelo
