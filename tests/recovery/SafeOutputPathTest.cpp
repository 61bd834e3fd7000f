#include "recovery/SafeOutputPath.h"

#include "reader/TextEncoding.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tarvelo {
namespace {

namespace fs = std::filesystem;
using namespace std::string_view_literals;

std::string Joined(const std::vector<std::u16string>& components) {
    std::string out;
    for (const auto& component : components) {
        if (!out.empty()) {
            out += '|';
        }
        out += Utf16ToUtf8(component);
    }
    return out;
}

struct PathCase {
    std::u16string displayPath;
    std::string posix;   // components joined with "|"
    std::string windows; // same, with Windows rules
};

TEST(SafeOutputPathTest, HostileDisplayPathsStayBelowTheTarget) {
    const PathCase cases[] = {
        {u"SET(Full)C\\Data\\priv1.edb", "SET(Full)C|Data|priv1.edb", "SET(Full)C|Data|priv1.edb"},
        {u"..\\..\\etc\\passwd", "__|__|etc|passwd", "__|__|etc|passwd"},
        {u"a\\.\\b\\..", "a|_|b|__", "a|_|b|__"},
        {u"\\\\server\\\\share\\\\f", "server|share|f", "server|share|f"},
        {u"", "_", "_"},
        {u"dir\\", "dir|_", "dir|_"},
        {u"/etc/passwd", "_etc_passwd", "_etc_passwd"},
        {std::u16string(u"a\0b", 3), "a_b", "a_b"},
        {u"tab\there\x1b[31m\x7f", "tab_here_[31m_", "tab_here_[31m_"},
        {u"C:\\x:y<z>|\"?*.txt", "C:|x:y<z>|\"?*.txt", "C_|x_y_z_____.txt"},
        {u"CON", "CON", "_CON"},
        {u"x\\nul.txt", "x|nul.txt", "x|_nul.txt"},
        {u"Com1 .log", "Com1 .log", "_Com1 .log"},
        {u"LPT\u00B9", "LPT\xC2\xB9", "_LPT\xC2\xB9"},
        {u"COM10", "COM10", "COM10"},
        {u"CONSOLE.txt", "CONSOLE.txt", "CONSOLE.txt"},
        {u"name. \\...", "name. |...", "name__|___"},
        {std::u16string{u'a', char16_t{0xD800}, u'b', char16_t{0xDC01}},
         "a\xEF\xBF\xBD"
         "b\xEF\xBF\xBD",
         "a\xEF\xBF\xBD"
         "b\xEF\xBF\xBD"},
        {u"\U0001F600.txt", "\xF0\x9F\x98\x80.txt", "\xF0\x9F\x98\x80.txt"},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(Utf16ToUtf8(c.displayPath));
        EXPECT_EQ(Joined(SafeComponents(c.displayPath, OutputLayout::Hierarchy, NameRules::Posix)), c.posix);
        EXPECT_EQ(Joined(SafeComponents(c.displayPath, OutputLayout::Hierarchy, NameRules::Windows)),
                  c.windows);
    }
}

TEST(SafeOutputPathTest, FlatLayoutKeepsOnlyTheFileName) {
    EXPECT_EQ(Joined(SafeComponents(u"SET\\a\\..\\priv1.edb", OutputLayout::Flat, NameRules::Posix)),
              "priv1.edb");
    EXPECT_EQ(Joined(SafeComponents(u"SET\\a\\..", OutputLayout::Flat, NameRules::Posix)), "__");
    EXPECT_EQ(SafeRelativePath(u"S\\d\\f.txt", OutputLayout::Hierarchy, NameRules::Posix),
              fs::path("S/d/f.txt"));
    EXPECT_FALSE(SafeRelativePath(u"\\abs", OutputLayout::Hierarchy).is_absolute());
}

TEST(SafeOutputPathTest, LongComponentsAreShortenedKeepingExtensionAndWholeCharacters) {
    const std::u16string ascii = std::u16string(300, u'a') + u".edb";
    const std::u16string cut = SafeComponent(ascii, NameRules::Posix);
    EXPECT_EQ(Utf16ToUtf8(cut).size(), kMaxComponentBytes);
    EXPECT_TRUE(cut.ends_with(u"a.edb"));

    std::u16string wide;
    for (int i = 0; i < 100; ++i) {
        wide += u"\u540D\U0001F600"; // 3 + 4 UTF-8 bytes
    }
    const std::string wideCut = Utf16ToUtf8(SafeComponent(wide, NameRules::Posix));
    EXPECT_LE(wideCut.size(), kMaxComponentBytes);
    EXPECT_GT(wideCut.size(), kMaxComponentBytes - 4);
    EXPECT_EQ(Utf8ToUtf16(wideCut), SafeComponent(wide, NameRules::Posix)); // no pair was split

    // A long extension is not worth keeping; a name cut before a dot does not end in a dot on Windows.
    const std::u16string longExtension = u"x." + std::u16string(300, u'e');
    EXPECT_EQ(Utf16ToUtf8(SafeComponent(longExtension, NameRules::Posix)).size(), kMaxComponentBytes);
    const std::u16string dotAtCut = std::u16string(254, u'a') + u"." + std::u16string(50, u'b');
    EXPECT_FALSE(SafeComponent(dotAtCut, NameRules::Windows).ends_with(u"."));
}

TEST(SafeOutputPathTest, NumberedNamesGoBeforeTheExtensionAndStayWithinTheLimit) {
    EXPECT_EQ(NumberedName(u"report.txt", 1), u"report.txt");
    EXPECT_EQ(NumberedName(u"report.txt", 2), u"report (2).txt");
    EXPECT_EQ(NumberedName(u".profile", 3), u".profile (3)");
    EXPECT_EQ(NumberedName(u"folder", 12), u"folder (12)");
    const std::u16string longest = SafeComponent(std::u16string(400, u'n') + u".edb", NameRules::Posix);
    const std::u16string numbered = NumberedName(longest, 9999);
    EXPECT_EQ(Utf16ToUtf8(numbered).size(), kMaxComponentBytes);
    EXPECT_TRUE(numbered.ends_with(u" (9999).edb"));
}

class SafeOutputFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        base_ =
            fs::temp_directory_path() / ("tarvelo-safepath-" + std::to_string(std::random_device{}()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(base_);
        fs::create_directories(base_ / "target");
        fs::create_directories(base_ / "outside");
        target_ = base_ / "target";
        outside_ = base_ / "outside";
    }
    void TearDown() override { fs::remove_all(base_); }

    static void Write(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool OutsideIsEmpty() const { return fs::is_empty(outside_); }

    fs::path base_;
    fs::path target_;
    fs::path outside_;
};

TEST_F(SafeOutputFileTest, CreatesTheHierarchyAndNumbersTakenNames) {
    const OutputFile first = CreateOutputFile(target_, u"SET\\Data\\priv1.edb", OutputLayout::Hierarchy);
    ASSERT_TRUE(first.ok) << first.error;
    EXPECT_EQ(first.path, target_ / "SET" / "Data" / "priv1.edb");
    Write(first.path, "first");

    const OutputFile second = CreateOutputFile(target_, u"SET\\Data\\priv1.edb", OutputLayout::Hierarchy);
    ASSERT_TRUE(second.ok) << second.error;
    EXPECT_EQ(second.path, target_ / "SET" / "Data" / "priv1 (2).edb");
    EXPECT_EQ(Read(first.path), "first");
    EXPECT_EQ(fs::file_size(second.path), 0u);

    const OutputFile flat = CreateOutputFile(target_, u"SET\\Data\\priv1.edb", OutputLayout::Flat);
    ASSERT_TRUE(flat.ok);
    EXPECT_EQ(flat.path, target_ / "priv1.edb");

    const OutputFile replaced =
        CreateOutputFile(target_, u"SET\\Data\\priv1.edb", OutputLayout::Hierarchy, true);
    ASSERT_TRUE(replaced.ok);
    EXPECT_EQ(replaced.path, first.path);
    EXPECT_EQ(fs::file_size(first.path), 0u);
}

TEST_F(SafeOutputFileTest, FileWhereAFolderIsNeededGetsANumberedFolder) {
    ASSERT_TRUE(CreateOutputFile(target_, u"S\\a", OutputLayout::Hierarchy).ok);
    const OutputFile nested = CreateOutputFile(target_, u"S\\a\\b.txt", OutputLayout::Hierarchy);
    ASSERT_TRUE(nested.ok) << nested.error;
    EXPECT_EQ(nested.path, target_ / "S" / "a (2)" / "b.txt");
    EXPECT_EQ(CreateOutputFile(target_, u"S\\a\\c.txt", OutputLayout::Hierarchy).path,
              target_ / "S" / "a (2)" / "c.txt");
}

#ifndef _WIN32
TEST_F(SafeOutputFileTest, PlantedLinksAreNeverFollowed) {
    // A link to a folder outside, where the backup's hierarchy needs a folder.
    fs::create_directory_symlink(outside_, target_ / "SET");
    // A dangling link and a link to a file outside, where files are to be written.
    fs::create_directory(target_ / "flat");
    fs::create_symlink(outside_ / "planted.edb", target_ / "flat" / "priv1.edb");
    Write(outside_ / "keep.txt", "keep");
    fs::create_symlink(outside_ / "keep.txt", target_ / "flat" / "keep.txt");

    const OutputFile viaFolder = CreateOutputFile(target_, u"SET\\priv1.edb", OutputLayout::Hierarchy);
    ASSERT_TRUE(viaFolder.ok) << viaFolder.error;
    EXPECT_EQ(viaFolder.path, target_ / "SET (2)" / "priv1.edb");

    const fs::path flat = target_ / "flat";
    const OutputFile dangling = CreateOutputFile(flat, u"x\\priv1.edb", OutputLayout::Flat);
    ASSERT_TRUE(dangling.ok);
    EXPECT_EQ(dangling.path, flat / "priv1 (2).edb");
    // Asked to overwrite, a link is still not written through.
    const OutputFile overwrite = CreateOutputFile(flat, u"keep.txt", OutputLayout::Flat, true);
    ASSERT_TRUE(overwrite.ok);
    EXPECT_EQ(overwrite.path, flat / "keep (2).txt");

    EXPECT_EQ(Read(outside_ / "keep.txt"), "keep");
    EXPECT_EQ(std::distance(fs::directory_iterator(outside_), fs::directory_iterator()), 1);
}
#endif

TEST_F(SafeOutputFileTest, MissingTargetIsAnErrorNamingTheFolder) {
    const OutputFile result = CreateOutputFile(base_ / "missing", u"S\\f", OutputLayout::Hierarchy);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("missing"), std::string::npos);
    EXPECT_FALSE(fs::exists(base_ / "missing"));
}

// Random names from an alphabet of dangerous characters: every file lands strictly inside the target.
TEST_F(SafeOutputFileTest, RandomHostilePathsNeverLeaveTheTarget) {
    const std::u16string_view alphabet = u"\\\\\\/..:*?<>|\"\0\x01 aA\u00E9\U0001F600\xD800\xDC00NULCOM1"sv;
    std::mt19937 random(12345);
    const fs::path root = fs::canonical(target_);
    for (int round = 0; round < 400; ++round) {
        std::u16string path;
        const std::size_t length = 1 + random() % 24;
        for (std::size_t i = 0; i < length; ++i) {
            path.push_back(alphabet[random() % alphabet.size()]);
        }
        const OutputFile result =
            CreateOutputFile(target_, path, round % 2 ? OutputLayout::Flat : OutputLayout::Hierarchy);
        ASSERT_TRUE(result.ok) << result.error;
        const fs::path created = fs::canonical(result.path);
        EXPECT_TRUE(fs::is_regular_file(created));
        const auto relative = created.lexically_relative(root);
        EXPECT_FALSE(relative.empty());
        EXPECT_NE(*relative.begin(), "..");
    }
    EXPECT_TRUE(OutsideIsEmpty());
}

} // namespace
} // namespace tarvelo
