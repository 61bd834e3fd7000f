// The shell's type name, asked by name only.
#include "platform/os/ShellFileType.h"

#include <gtest/gtest.h>

namespace tarvelo::os {
namespace {

TEST(ShellFileType, NamedByExtensionWithoutTouchingTheDisk) {
    const auto bare = ShellTypeName(u"notes.txt");
    ASSERT_TRUE(bare.has_value());
    EXPECT_FALSE(bare->empty());
    // Neither the drive nor the folders exist: the answer comes from the extension alone.
    EXPECT_EQ(ShellTypeName(u"Q:\\nowhere\\deeper\\Überprüfung 名前.txt"), bare);
    EXPECT_NE(ShellTypeName(u"priv1.edb"), bare);
}

// Windows says "QZX9 File", Wine ".qzx9 file": either way the extension is named.
TEST(ShellFileType, UnregisteredExtensionStillGetsAName) {
    const auto type = ShellTypeName(u"archive.qzx9");
    ASSERT_TRUE(type.has_value());
    std::u16string upper = *type;
    for (char16_t& c : upper) {
        c = c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
    }
    EXPECT_NE(upper.find(u"QZX9"), std::u16string::npos);
}

} // namespace
} // namespace tarvelo::os
