#include "tools/bkfgen/Output.h"

#include <algorithm>
#include <stdexcept>
#include <system_error>

namespace tarvelo::bkfgen {

void StringOutput::WriteZeros(std::uint64_t count) {
    target_.append(static_cast<std::size_t>(count), '\0');
}

FileOutput::FileOutput(const std::filesystem::path& path)
    : path_(path), file_(path, std::ios::binary | std::ios::out | std::ios::trunc) {
    Check("cannot create");
}

FileOutput::~FileOutput() {
    try {
        Finish();
    } catch (...) { // a destructor must not throw; callers that care call Finish themselves
    }
}

void FileOutput::Check(const char* what) const {
    if (!file_) {
        throw std::runtime_error(std::string(what) + " " + path_.string());
    }
}

void FileOutput::Write(std::string_view bytes) {
    file_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Check("cannot write");
    position_ += bytes.size();
}

void FileOutput::WriteZeros(std::uint64_t count) {
    if (count < kHoleThreshold) {
        static const std::string zeros(kHoleThreshold, '\0');
        Write(std::string_view(zeros.data(), static_cast<std::size_t>(count)));
        return;
    }
    // Seeking past the end and writing later leaves a hole; a trailing hole is closed by Finish.
    position_ += count;
    file_.seekp(static_cast<std::streamoff>(position_));
    Check("cannot seek in");
}

void FileOutput::Finish() {
    if (finished_) {
        return;
    }
    finished_ = true;
    file_.close();
    Check("cannot close");
    std::error_code error;
    if (std::filesystem::file_size(path_, error) != position_ || error) {
        std::filesystem::resize_file(path_, position_, error);
        if (error) {
            throw std::runtime_error("cannot extend " + path_.string() + ": " + error.message());
        }
    }
}

} // namespace tarvelo::bkfgen
