// Shared pieces of the command-line tests: a temporary folder, generated backups, and running the
// tool in-process or as the real program.
#pragma once

#include "cli/Console.h"
#include "cli/Tarvelo.h"
#include "reader/TextEncoding.h"
#include "tools/bkfgen/BackupWriter.h"
#include "tools/bkfgen/DemoBackup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tarvelo::cli::test {

namespace fs = std::filesystem;

struct RunResult {
    int code = -1;
    std::string out;
    std::string err;
};

// Runs `tarvelo args...` in this process with string streams for its output.
inline RunResult RunInProcess(std::vector<std::string> args,
                              std::function<void(std::uint64_t)> afterEachFile = {}) {
    args.insert(args.begin(), "tarvelo");
    std::ostringstream out;
    std::ostringstream err;
    Console console{out, err, false, std::move(afterEachFile)};
    RunResult result;
    result.code = RunTarvelo(args, console);
    result.out = out.str();
    result.err = err.str();
    return result;
}

inline std::vector<nlohmann::json> JsonLines(const std::string& text) {
    std::vector<nlohmann::json> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(nlohmann::json::parse(line)); // throws on anything that is not one object per line
    }
    return lines;
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

inline std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string Utf8(const fs::path& path) {
    return Utf8FromPath(path);
}

class TempFolder {
public:
    TempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = fs::temp_directory_path() / (std::string("tarvelo-cli-") + info->test_suite_name() + "-" +
                                             info->name() + "-" + std::to_string(std::random_device{}()));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    [[nodiscard]] const fs::path& Path() const { return path_; }
    [[nodiscard]] fs::path operator/(const std::string& name) const { return path_ / name; }

private:
    fs::path path_;
};

// The demo backup written to `path`; the entries say what a scan must find.
inline bkfgen::BackupLayout WriteDemo(const fs::path& path) {
    bkfgen::FileOutput output(path);
    return bkfgen::WriteDemoBackup(output);
}

} // namespace tarvelo::cli::test
