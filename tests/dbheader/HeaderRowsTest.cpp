#include "dbheader/HeaderRows.h"

#include "dbheader/BackupFileRows.h"
#include "reader/TextEncoding.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace tarvelo {
namespace {

std::vector<std::string> Captions(const PropertyLayout& layout) {
    std::vector<std::string> out;
    for (const auto& group : layout) {
        for (const auto& row : group.rows) {
            out.emplace_back(std::string(group.caption) + "/" + std::string(row.caption));
        }
    }
    return out;
}

const PropertyRow& Row(const PropertyLayout& layout, std::string_view group, std::string_view caption) {
    for (const auto& g : layout) {
        if (g.caption == group) {
            for (const auto& row : g.rows) {
                if (row.caption == caption) {
                    return row;
                }
            }
        }
    }
    ADD_FAILURE() << "no row " << group << "/" << caption;
    static const PropertyRow none{};
    return none;
}

TEST(HeaderRows, EightGroupsOf72RowsInScreenOrder) {
    const PropertyLayout layout = BuildDatabaseLayout(u"PRIV1.EDB", DatabaseHeader{});
    ASSERT_EQ(layout.size(), 8u);
    const std::vector<std::pair<std::string, std::size_t>> groups = {
        {"Selected file details", 37},
        {"Database signature", 11},
        {"Previous Full Backup Information", 4},
        {"Previous incremental Backup Information", 4},
        {"Current full Backup Information", 4},
        {"Current shadow copy backup information", 4},
        {"Previous shadow copy backup information", 4},
        {"Previous differential backup information", 4},
    };
    for (std::size_t i = 0; i < groups.size(); ++i) {
        EXPECT_EQ(layout[i].caption, groups[i].first);
        EXPECT_EQ(layout[i].rows.size(), groups[i].second) << groups[i].first;
    }
    const auto captions = Captions(layout);
    EXPECT_EQ(captions.size(), kDatabaseLayoutRows);
    EXPECT_EQ(captions.front(), "Selected file details/File name");
    EXPECT_EQ(captions[36], "Selected file details/NLS minor version");
    EXPECT_EQ(captions[37], "Database signature/Log time");
    EXPECT_EQ(captions[47], "Database signature/Log netBios Computer name");
    EXPECT_EQ(captions[48], "Previous Full Backup Information/Generation lower number");
    EXPECT_EQ(captions[51], "Previous Full Backup Information/Log time");
    EXPECT_EQ(layout[0].rows[0].value, u"PRIV1.EDB");
    EXPECT_EQ(layout[1].rows[6].caption, "Attach positon"); // spelled as the pane has always shown it
}

TEST(HeaderRows, EveryFieldLiesInsideTheHeader) {
    for (const auto& group : DatabaseLayoutSpec()) {
        for (const auto& row : group.rows) {
            EXPECT_LE(row.offset + 8, DatabaseHeader::kSize) << row.caption;
        }
    }
}

TEST(HeaderRows, AllZeroHeader) {
    const PropertyLayout layout = BuildDatabaseLayout(u"", DatabaseHeader{});
    std::set<std::string> seen;
    for (const auto& group : layout) {
        for (const auto& row : group.rows) {
            const std::string value = Utf16ToUtf8(row.value);
            const std::string caption(row.caption);
            seen.insert(value);
            if (caption == "Checksum" || caption == "Signature" || caption == "Format version") {
                EXPECT_EQ(value, "00000000");
            } else if (caption == "Database time" || caption == "Scrub database time") {
                EXPECT_EQ(value, "0:0:0");
            } else if (caption == "File type") {
                EXPECT_EQ(value, "DataBase type");
            }
        }
    }
    EXPECT_EQ(seen, (std::set<std::string>{"", "00000000", "0:0:0", "DataBase type", "00:00:00:00:00:1900",
                                           "Block = 0 Sector = 0 Generation = 0", "0"}));
}

TEST(HeaderRows, RowsReadTheirOwnOffsets) {
    // Every decimal word holds its own offset, so a row wired to the wrong field shows it.
    DatabaseHeader::Bytes bytes{};
    std::map<std::string, std::size_t> decimalRows;
    for (const auto& group : DatabaseLayoutSpec()) {
        for (const auto& row : group.rows) {
            if (row.conversion == FieldConversion::Decimal) {
                bytes[row.offset] = static_cast<std::uint8_t>(row.offset & 0xFF);
                bytes[row.offset + 1] = static_cast<std::uint8_t>(row.offset >> 8);
            }
        }
    }
    bytes[0x00C] = 1;                 // file type word
    bytes[0x034] = 2;                 // state
    bytes[0x0A0 + 8 + 5] = 120;       // previous incremental backup: log time year 2020
    bytes[0x1BC + 4] = 0xFF;          // previous differential backup: generation 255
    const char16_t name[] = u"EXCH1"; // log computer name at 0x074
    for (std::size_t i = 0; i < 5; ++i) {
        bytes[0x074 + 2 * i] = static_cast<std::uint8_t>(name[i]);
    }
    const PropertyLayout layout = BuildDatabaseLayout(u"x.stm", DatabaseHeader::FromBytes(bytes));
    for (const auto& group : DatabaseLayoutSpec()) {
        for (const auto& row : group.rows) {
            if (row.conversion == FieldConversion::Decimal) {
                EXPECT_EQ(Utf16ToUtf8(Row(layout, group.caption, row.caption).value),
                          std::to_string(row.offset))
                    << group.caption << "/" << row.caption;
            }
        }
    }
    EXPECT_EQ(Row(layout, "Selected file details", "File type").value, u"Streaming File Type");
    EXPECT_EQ(Row(layout, "Database signature", "Database state").value, u"JET_dbstateDirtyShutdown");
    EXPECT_EQ(Row(layout, "Database signature", "Log netBios Computer name").value, u"EXCH1");
    EXPECT_EQ(Row(layout, "Previous incremental Backup Information", "Log time").value,
              u"00:00:00:00:00:2020");
    EXPECT_EQ(Row(layout, "Previous differential backup information", "Log position").value,
              u"Block = 0 Sector = 0 Generation = 255");
}

TEST(BackupFileRows, FilledAndEmptyLayouts) {
    const PropertyLayout empty = BuildEmptyBackupFileLayout();
    ASSERT_EQ(empty.size(), 2u);
    EXPECT_EQ(empty[0].caption, "Exchange Backup File Information");
    EXPECT_EQ(empty[1].caption, "File Details");
    for (const auto& group : empty) {
        for (const auto& row : group.rows) {
            EXPECT_TRUE(row.value.empty()) << row.caption;
        }
    }
    EXPECT_EQ(empty[1].rows[2].description, "Last Modified date of selected File");
    EXPECT_EQ(empty[1].rows[3].description, "Last Access date of selected File");

    const PropertyLayout filled =
        BuildBackupFileLayout({u"C:\\b.bkf", u"64(KB)", u"01/02/2024  03:04:05", u"w", u"a"});
    EXPECT_EQ(filled[0].rows[0].value, u"Exchange Database file");
    EXPECT_EQ(filled[0].rows[1].value, u"C:\\b.bkf");
    EXPECT_EQ(filled[1].rows[0].caption, "File Size(Bytes):");
    EXPECT_EQ(filled[1].rows[0].value, u"64(KB)");
    EXPECT_EQ(filled[1].rows[2].description, "Last Modified date time of selected File");
    EXPECT_EQ(filled[1].rows[3].value, u"a");
}

} // namespace
} // namespace tarvelo
