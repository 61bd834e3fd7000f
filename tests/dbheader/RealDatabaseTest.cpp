// Headers written by the real database engine (gzip files of the shared test data).
#include "dbheader/HeaderRows.h"
#include "dbheader/ReadDatabaseHeader.h"
#include "reader/TextEncoding.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace tarvelo {
namespace {

const std::filesystem::path kEseFolder = std::filesystem::path(TARVELO_SHARED_DIR) / "testdata" / "ese";

// Unpacks one test database with the system's gzip into the build folder.
std::filesystem::path Unpack(const std::string& name) {
    const auto folder = std::filesystem::path(TARVELO_BINARY_DIR) / "dbheader-ese";
    std::filesystem::create_directories(folder);
    const auto target = folder / name;
    const std::string command =
        "gzip -dc '" + (kEseFolder / (name + ".gz")).string() + "' > '" + target.string() + "'";
    if (std::system(command.c_str()) != 0) {
        return {};
    }
    return target;
}

std::string Value(const PropertyLayout& layout, std::size_t group, std::string_view caption) {
    for (const auto& row : layout.at(group).rows) {
        if (row.caption == caption) {
            return Utf16ToUtf8(row.value);
        }
    }
    return "<missing>";
}

TEST(RealDatabase, BasicEdbHeader) {
#ifdef _WIN32
    GTEST_SKIP() << "the test databases are unpacked with a POSIX shell and gzip";
#endif
    if (!std::filesystem::exists(kEseFolder / "basic.edb.gz")) {
        GTEST_SKIP() << "no test databases at " << kEseFolder;
    }
    const auto path = Unpack("basic.edb");
    ASSERT_FALSE(path.empty());
    const DatabaseHeaderResult read = ReadDatabaseHeader(path);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.header.BytesRead(), 668u);
    const PropertyLayout layout = BuildDatabaseLayout(u"basic.edb", read.header);
    EXPECT_EQ(Value(layout, 0, "Checksum"), "D410A898");
    EXPECT_EQ(Value(layout, 0, "Signature"), "EFCDAB89");
    EXPECT_EQ(Value(layout, 0, "Format version"), "20060000");
    EXPECT_EQ(Value(layout, 0, "File type"), "DataBase type");
    EXPECT_EQ(Value(layout, 0, "Database time"), "403:0:0");
    EXPECT_EQ(Value(layout, 0, "Last object identifier"), "8");
    EXPECT_EQ(Value(layout, 0, "Major Version"), "6");
    EXPECT_EQ(Value(layout, 0, "Minor Version"), "2");
    EXPECT_EQ(Value(layout, 0, "Build number"), "9200");
    EXPECT_EQ(Value(layout, 0, "File format revision"), "20");
    EXPECT_EQ(Value(layout, 0, "Page size"), "4096");
    EXPECT_EQ(Value(layout, 0, "Creation file format version"), "1568");
    EXPECT_EQ(Value(layout, 0, "Creation file format revision"), "20");
    EXPECT_EQ(Value(layout, 0, "NLS major version"), "-1");
    EXPECT_EQ(Value(layout, 1, "Log time"), "11:46:32:08:19:2022");
    EXPECT_EQ(Value(layout, 1, "Computer name"), "");
    EXPECT_EQ(Value(layout, 1, "Database state"), "JET_dbstateCleanShutdown");
    EXPECT_EQ(Value(layout, 1, "Consistent position"), "Block = 0 Sector = 22 Generation = 1");
}

TEST(RealDatabase, EveryTestDatabaseHasTheEngineSignatureAndAKnownState) {
#ifdef _WIN32
    GTEST_SKIP() << "the test databases are unpacked with a POSIX shell and gzip";
#endif
    for (const char* name : {"basic.edb", "binary.edb", "default.edb", "index.edb", "multi.edb", "text.edb",
                             "SRUDB.dat", "Current.mdb"}) {
        if (!std::filesystem::exists(kEseFolder / (std::string(name) + ".gz"))) {
            continue;
        }
        const auto path = Unpack(name);
        ASSERT_FALSE(path.empty()) << name;
        const DatabaseHeaderResult read = ReadDatabaseHeader(path);
        ASSERT_TRUE(read.ok) << read.error;
        const PropertyLayout layout = BuildDatabaseLayout(u"", read.header);
        EXPECT_EQ(Value(layout, 0, "Signature"), "EFCDAB89") << name;
        EXPECT_FALSE(Value(layout, 1, "Database state").empty()) << name;
        std::filesystem::remove(path);
    }
}

} // namespace
} // namespace tarvelo
