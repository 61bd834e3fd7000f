#include "search/RecordSearch.h"

#include "recovery/RecordFile.h"
#include "search/SearchPattern.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvelo {
namespace {

namespace fs = std::filesystem;

RecordFile MakeRecords(const std::string& name, const std::vector<std::u16string>& paths) {
    const fs::path folder = fs::path(TARVELO_BINARY_DIR) / "search-test";
    fs::create_directories(folder);
    std::string error;
    RecordFile records = RecordFile::Create(folder / name, error);
    for (const auto& path : paths) {
        FileRecord record;
        record.SetPath(path);
        records.Append(record);
    }
    return records;
}

TEST(RecordSearch, YieldsMatchingRecordNumbersInOrder) {
    const RecordFile records = MakeRecords(
        "order", {u"S\\mdbdata\\priv1.edb", u"S\\logs\\E00.log", u"S\\mdbdata\\pub1.edb", u"S\\EDB\\x.EDB"});
    const std::atomic<int> searching{1};
    std::vector<std::uint32_t> found;
    std::vector<std::uint32_t> progress;
    const auto count = SearchRecords(records, records.Count(), *MakeSearchPattern(u"edb"), searching,
                                     {[&](std::uint32_t k, const FileRecord&) { found.push_back(k); },
                                      [&](std::uint32_t k) { progress.push_back(k); }});
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(found, (std::vector<std::uint32_t>{1, 3}));
    EXPECT_EQ(progress, (std::vector<std::uint32_t>{1, 2, 3, 4}));
}

TEST(RecordSearch, StopEndsBeforeTheNextRecord) {
    const RecordFile records = MakeRecords("stop", {u"a.edb", u"b.edb", u"c.edb"});
    std::atomic<int> searching{1};
    std::vector<std::uint32_t> found;
    SearchRecords(records, records.Count(), u"*.edb", searching,
                  {[&](std::uint32_t k, const FileRecord&) {
                       found.push_back(k);
                       searching = 0; // the user pressed Stop while the first row was added
                   },
                   {}});
    EXPECT_EQ(found, (std::vector<std::uint32_t>{1}));
}

TEST(RecordSearch, CountBeyondTheFileReadsEmptyNames) {
    const RecordFile records = MakeRecords("beyond", {u"a.edb"});
    const std::atomic<int> searching{1};
    EXPECT_EQ(SearchRecords(records, 3, u"*", searching, {}), 3u); // "*" matches the empty names too
    EXPECT_EQ(SearchRecords(records, 3, u"*.*", searching, {}), 1u);
}

} // namespace
} // namespace tarvelo
