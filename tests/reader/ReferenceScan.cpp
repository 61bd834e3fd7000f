#include "tests/reader/ReferenceScan.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace tarvelo::test {
namespace {

const char* const kTags[19] = {"TAPE", "SFMB", "SSET", "VOLB", "DIRB", "ETED", "ESET", "EOTM", "CFIL", "ESPB",
                               "TSMP", "TFDD", "NACL", "NTQU", "CSUM", "STAN", "SPAD", "FEND", "NTOI"};
enum { kSset = 2, kVolb = 3, kDirb = 4, kEted = 5, kTfdd = 11 };
constexpr std::int64_t kInt64Max = INT64_MAX;

unsigned Le16(const unsigned char* p) {
    return static_cast<unsigned>(p[0]) | (static_cast<unsigned>(p[1]) << 8u);
}
std::uint32_t Le32(const unsigned char* p) {
    return Le16(p) | (static_cast<std::uint32_t>(Le16(p + 2)) << 16u);
}
std::uint64_t Le64(const unsigned char* p) {
    return Le32(p) | (static_cast<std::uint64_t>(Le32(p + 4)) << 32u);
}

char16_t Ansi(unsigned char byte) {
    struct Pair {
        unsigned char byte;
        char16_t unit;
    };
    static const Pair kDiffering[] = {
        {0x80, u'€'}, {0x82, u'‚'}, {0x83, u'ƒ'}, {0x84, u'„'}, {0x85, u'…'}, {0x86, u'†'}, {0x87, u'‡'},
        {0x88, u'ˆ'}, {0x89, u'‰'}, {0x8A, u'Š'}, {0x8B, u'‹'}, {0x8C, u'Œ'}, {0x8E, u'Ž'}, {0x91, u'‘'},
        {0x92, u'’'}, {0x93, u'“'}, {0x94, u'”'}, {0x95, u'•'}, {0x96, u'–'}, {0x97, u'—'}, {0x98, u'˜'},
        {0x99, u'™'}, {0x9A, u'š'}, {0x9B, u'›'}, {0x9C, u'œ'}, {0x9E, u'ž'}, {0x9F, u'Ÿ'}};
    for (const Pair& pair : kDiffering) {
        if (pair.byte == byte) {
            return pair.unit;
        }
    }
    return byte;
}

class Scanner {
public:
    Scanner(std::FILE* file, ScanControl& control, ScanSink& sink)
        : file_(file), control_(control), sink_(sink) {
        fseeko(file_, 0, SEEK_END);
        length_ = static_cast<std::uint64_t>(ftello(file_));
    }

    ReferenceEnd Run() {
        std::uint64_t p = 0;
        if (!Seek(p)) {
            return ReferenceEnd::SeekFailed;
        }
        for (;;) {
            // 1. Read a window; stop at the end of the file or when the flag is clear.
            const std::size_t n = ReadWindow();
            if (n == 0) {
                return ReferenceEnd::Completed;
            }
            if (control_.running == 0) {
                return ReferenceEnd::Stopped;
            }
            // 2. The first accepted tag at window positions 0 to 1019 whose four bytes were read.
            int k = -1;
            int tag = -1;
            for (std::size_t i = 0; i <= 1019 && i + 4 <= n; ++i) {
                if (window_[i] == 0 && window_[i + 1] == 0 && window_[i + 2] == 0 && window_[i + 3] == 0) {
                    continue;
                }
                int found = -1;
                for (int t = 0; t < 19; ++t) {
                    if (std::memcmp(window_ + i, kTags[t], 4) == 0) {
                        found = t;
                    }
                }
                if (found < 0) {
                    continue;
                }
                const unsigned char b4 = i + 4 < n ? window_[i + 4] : FileByte(p + i + 4);
                const unsigned char b5 = i + 5 < n ? window_[i + 5] : FileByte(p + i + 5);
                if (b4 != 0 && b5 != 0) {
                    continue;
                }
                k = static_cast<int>(i);
                tag = found;
                break;
            }
            // 3. No tag: the next window overlaps this one by four bytes.
            if (k < 0) {
                p = p + 1020;
                if (control_.running == 0) {
                    return ReferenceEnd::Stopped;
                }
                if (!Seek(p)) {
                    return ReferenceEnd::SeekFailed;
                }
                ProgressCheck();
                continue;
            }
            // 4. Re-read the window at the tag.
            std::uint64_t q = p + static_cast<std::uint64_t>(k);
            if (!Seek(q)) {
                return ReferenceEnd::SeekFailed;
            }
            ReadWindow();
            // 5. Act on the tag.
            if (tag == kSset) {
                SetName();
            } else if (tag == kVolb) {
                VolumePrefix();
            } else if (tag == kDirb) {
                DirectoryPath();
            } else if (tag == kEted) {
                const std::int64_t d = HandleFileEntry(q);
                const auto signedQ = static_cast<std::int64_t>(q);
                if (d > kInt64Max - signedQ || signedQ + d < 0) {
                    return ReferenceEnd::SeekFailed;
                }
                q = static_cast<std::uint64_t>(signedQ + d);
                if (!Seek(q)) {
                    return ReferenceEnd::SeekFailed;
                }
                if (control_.running == 0) {
                    control_.running = 0;
                    return ReferenceEnd::Stopped;
                }
            } else if (tag == kTfdd) {
                q = q + CatalogueLength(q);
                if (!Seek(q)) {
                    return ReferenceEnd::SeekFailed;
                }
            }
            // 6. On one byte after the tag (or after what was skipped).
            if (q >= static_cast<std::uint64_t>(kInt64Max)) {
                return ReferenceEnd::SeekFailed;
            }
            p = q + 1;
            if (!Seek(p)) {
                return ReferenceEnd::SeekFailed;
            }
        }
    }

private:
    bool Seek(std::uint64_t position) {
        return position <= static_cast<std::uint64_t>(kInt64Max) &&
               fseeko(file_, static_cast<off_t>(position), SEEK_SET) == 0;
    }

    std::size_t ReadWindow() {
        std::memset(window_, 0, sizeof window_);
        return std::fread(window_, 1, 1024, file_);
    }

    // A byte of the file (zero past its end), without moving the file pointer.
    unsigned char FileByte(std::uint64_t at) {
        unsigned char byte = 0;
        const off_t saved = ftello(file_);
        if (at < length_ && fseeko(file_, static_cast<off_t>(at), SEEK_SET) == 0 &&
            std::fread(&byte, 1, 1, file_) != 1) {
            byte = 0;
        }
        fseeko(file_, saved, SEEK_SET);
        return byte;
    }

    void ProgressCheck() {
        const auto position = static_cast<std::uint64_t>(ftello(file_));
        if (position - lastReported_ >= length_ / 10000) {
            sink_.Progress(std::make_unique<ProgressRecord>(ProgressRecord{position, length_}));
            lastReported_ = position;
        }
    }

    // Units of a string at a tape address, cut at the first nul.
    std::u16string Text(unsigned size, unsigned offset) const {
        std::u16string text;
        for (unsigned i = 0; i < size / 2; ++i) {
            const auto unit = static_cast<char16_t>(Le16(window_ + offset + 2 * i));
            if (unit == 0) {
                break;
            }
            text.push_back(unit);
        }
        return text;
    }

    void SetName() {
        const unsigned nameSize = Le16(window_ + 64), nameOffset = Le16(window_ + 66);
        const unsigned userSize = Le16(window_ + 76), userOffset = Le16(window_ + 78);
        if (nameOffset + nameSize > 1024 || userOffset + userSize > 1024) {
            return;
        }
        if (Le16(window_ + 56) != 0 && Le16(window_ + 58) != 0 && userSize > 120) {
            return;
        }
        char number[16];
        std::snprintf(number, sizeof number, "%u", Le16(window_ + 62));
        std::u16string name = u"BKFSET";
        for (const char* c = number; *c != 0; ++c) {
            name.push_back(static_cast<char16_t>(*c));
        }
        name += u"(" + Text(nameSize, nameOffset) + Text(userSize, userOffset) + u")";
        setName_ = name;
    }

    void VolumePrefix() {
        const unsigned size = Le16(window_ + 56), offset = Le16(window_ + 58);
        if (offset + size > 1024) {
            return;
        }
        prefix_.clear();
        if (size >= 2 && window_[offset] != 0) {
            prefix_.push_back(Ansi(window_[offset]));
        }
    }

    void DirectoryPath() {
        const unsigned size = Le16(window_ + 80), offset = Le16(window_ + 82);
        if (offset + size > 1024) {
            return;
        }
        directory_.clear();
        unsigned limit = 255;
        if (size >= 2 && window_[offset] != 0) {
            directory_.push_back(u'\\');
            limit = 253;
        }
        for (unsigned i = 0; i < size / 2 && i < limit; ++i) {
            const auto unit = static_cast<char16_t>(Le16(window_ + offset + 2 * i));
            directory_.push_back(unit == 0 ? u'\\' : unit);
        }
    }

    std::int64_t HandleFileEntry(std::uint64_t entryOffset) {
        const std::uint32_t n = Le32(window_ + 22);
        if (n > 1024) {
            return 1;
        }
        const std::uint64_t l = Le64(window_ + 8);
        const auto d = static_cast<std::int64_t>(l - n - 4);
        std::u16string name;
        for (std::uint32_t u = 0; u < (n + 1) / 2; ++u) {
            const std::uint64_t at = 26 + 2 * std::uint64_t{u};
            const unsigned char lo = at < 1024 ? window_[at] : FileByte(entryOffset + at);
            const unsigned char hi = at + 1 < 1024 ? window_[at + 1] : FileByte(entryOffset + at + 1);
            const auto unit = static_cast<char16_t>(lo | (hi << 8));
            if (unit == 0) {
                break;
            }
            name.push_back(unit);
        }
        std::u16string path = setName_ ? *setName_ : u"(null)";
        for (char16_t& c : path) {
            if (std::u16string_view(u"/\\:*?<>|\"").find(c) != std::u16string_view::npos) {
                c = u'_';
            }
        }
        path += prefix_ + directory_ + name;
        if (path.size() > 1023) {
            path.resize(1023);
        }
        auto record = std::make_unique<FileRecord>();
        record->SetPath(path);
        record->SetEntryOffset(entryOffset);
        record->SetDataSize(static_cast<std::uint32_t>(d));
        sink_.FileFound(std::move(record));
        if (control_.running != 0) {
            ProgressCheck();
            return d < 0 ? 0 : d;
        }
        control_.running = 0;
        return -1;
    }

    std::uint64_t CatalogueLength(std::uint64_t tag) {
        std::uint64_t e = 22;
        std::size_t w = 22;
        std::uint64_t r = 0;
        for (;;) {
            const unsigned char* type = window_ + w + 2;
            if (std::memcmp(type, "VOLB", 4) != 0 && std::memcmp(type, "DIRB", 4) != 0 &&
                std::memcmp(type, "ETED", 4) != 0) {
                return r;
            }
            r = e;
            const unsigned len = Le16(window_ + w);
            if (len + 8 > 1024 || len == 0) {
                return 1;
            }
            if (!Seek(tag + e) || std::fread(window_, 1, len + 8, file_) < len + 8) {
                return 1;
            }
            e = e + len;
            w = len;
        }
    }

    std::FILE* file_;
    ScanControl& control_;
    ScanSink& sink_;
    std::uint64_t length_ = 0;
    unsigned char window_[1024] = {};
    std::optional<std::u16string> setName_;
    std::u16string prefix_;
    std::u16string directory_;
    std::uint64_t lastReported_ = 0;
};

} // namespace

ReferenceEnd ReferenceScan(const std::filesystem::path& path, ScanControl& control, ScanSink& sink) {
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (file == nullptr) {
        return ReferenceEnd::OpenFailed;
    }
    const ReferenceEnd end = Scanner(file, control, sink).Run();
    std::fclose(file);
    return end;
}

} // namespace tarvelo::test
