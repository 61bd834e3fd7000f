// A fresh, empty folder below the build folder for one test.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tarvelo::test {

inline std::filesystem::path FreshFolder(const std::string& name) {
    const auto folder = std::filesystem::path(TARVELO_BINARY_DIR) / "recovery-test" / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace tarvelo::test
