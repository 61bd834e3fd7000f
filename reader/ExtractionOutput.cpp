#include "reader/ExtractionOutput.h"

namespace tarvelo {

std::unique_ptr<FileExtractionOutput> FileExtractionOutput::Create(const std::filesystem::path& path) {
#ifdef _WIN32
    std::FILE* file = _wfopen(path.c_str(), L"wb");
#else
    std::FILE* file = std::fopen(path.c_str(), "wb");
#endif
    if (file == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<FileExtractionOutput>(new FileExtractionOutput(file));
}

FileExtractionOutput::~FileExtractionOutput() {
    Close();
}

bool FileExtractionOutput::Write(std::span<const std::uint8_t> bytes) {
    if (file_ == nullptr) {
        return false;
    }
    return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
}

bool FileExtractionOutput::Close() {
    if (file_ == nullptr) {
        return true;
    }
    const bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok;
}

} // namespace tarvelo
