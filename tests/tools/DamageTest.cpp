#include "tools/bkfgen/Damage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tarvelo::bkfgen {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

const std::string kOriginal = "0123456789abcdef";

struct Operation {
    const char* name;
    void (*onBuffer)(std::string&);
    void (*onFile)(const std::filesystem::path&);
    std::string expected;
};

const Operation kOperations[] = {
    {"truncate", [](std::string& b) { Truncate(b, 5); },
     [](const std::filesystem::path& p) { TruncateFile(p, 5); }, "01234"},
    {"truncate longer", [](std::string& b) { Truncate(b, 100); },
     [](const std::filesystem::path& p) { TruncateFile(p, 100); }, kOriginal},
    {"zero", [](std::string& b) { ZeroRange(b, 2, 3); },
     [](const std::filesystem::path& p) { ZeroFileRange(p, 2, 3); },
     std::string("01\0\0\0"
                 "56789abcdef",
                 16)},
    {"zero clipped", [](std::string& b) { ZeroRange(b, 14, 10); },
     [](const std::filesystem::path& p) { ZeroFileRange(p, 14, 10); }, std::string("0123456789abcd\0\0", 16)},
    {"flip", [](std::string& b) { FlipBytes(b, 0, 2, 0x20); },
     [](const std::filesystem::path& p) { FlipFileBytes(p, 0, 2, 0x20); },
     "\x10\x11"
     "23456789abcdef"},
    {"plant", [](std::string& b) { PlantTag(b, 4, "ETED"); },
     [](const std::filesystem::path& p) { PlantFileTag(p, 4, "ETED"); }, "0123ETED89abcdef"},
    {"plant at the end", [](std::string& b) { PlantTag(b, 14, "SSET"); },
     [](const std::filesystem::path& p) { PlantFileTag(p, 14, "SSET"); }, "0123456789abcdSS"},
    {"past the end", [](std::string& b) { FlipBytes(b, 99, 2); },
     [](const std::filesystem::path& p) { FlipFileBytes(p, 99, 2); }, kOriginal},
};

TEST(Damage, BufferAndFileOperationsAgree) {
    const auto path = std::filesystem::temp_directory_path() / "bkfgen-damage-test.bin";
    for (const auto& operation : kOperations) {
        std::string buffer = kOriginal;
        operation.onBuffer(buffer);
        EXPECT_EQ(buffer, operation.expected) << operation.name;

        std::ofstream(path, std::ios::binary) << kOriginal;
        operation.onFile(path);
        EXPECT_EQ(ReadAll(path), operation.expected) << operation.name << " on a file";
    }
    std::filesystem::remove(path);
}

TEST(Damage, RandomFlipsAreRepeatableAndChangeBytes) {
    std::string a(4096, 'x');
    std::string b = a;
    FlipRandomBytes(a, 7, 20);
    FlipRandomBytes(b, 7, 20);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, std::string(4096, 'x'));
    std::string c(4096, 'x');
    FlipRandomBytes(c, 8, 20);
    EXPECT_NE(a, c);

    const auto path = std::filesystem::temp_directory_path() / "bkfgen-damage-random.bin";
    std::ofstream(path, std::ios::binary) << std::string(4096, 'x');
    FlipRandomFileBytes(path, 7, 20);
    EXPECT_EQ(ReadAll(path), a);
    std::filesystem::remove(path);
}

TEST(Damage, MissingFileIsAnError) {
    EXPECT_THROW(ZeroFileRange("/nonexistent/bkfgen/file", 0, 1), std::runtime_error);
}

} // namespace
} // namespace tarvelo::bkfgen
