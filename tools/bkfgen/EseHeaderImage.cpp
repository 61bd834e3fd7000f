#include "tools/bkfgen/EseHeaderImage.h"

#include "reader/TextEncoding.h"
#include "tools/bkfgen/LittleEndian.h"

namespace tarvelo::bkfgen {

namespace {

struct Time {
    std::uint8_t second, minute, hour, day, month, yearSince1900;
};

void PutLogTime(std::string& page, std::size_t at, const Time& time) {
    const std::uint8_t parts[] = {time.second, time.minute, time.hour,
                                  time.day,    time.month,  time.yearSince1900};
    for (std::size_t i = 0; i < 6; ++i) {
        page[at + i] = static_cast<char>(parts[i]);
    }
}

void PutLogPosition(std::string& page, std::size_t at, std::uint16_t block, std::uint16_t sector,
                    std::int32_t generation) {
    PutLe16(page, at, block);
    PutLe16(page, at + 2, sector);
    PutLe32(page, at + 4, static_cast<std::uint32_t>(generation));
}

void PutSignature(std::string& page, std::size_t at, std::uint32_t random, const Time& time,
                  std::u16string_view computer) {
    PutLe32(page, at, random);
    PutLogTime(page, at + 4, time);
    std::string name;
    AppendUtf16Le(name, computer.substr(0, 7));
    page.replace(at + 12, name.size(), name);
}

void PutBackupInfo(std::string& page, std::size_t at, std::int32_t generation, const Time& time) {
    PutLogPosition(page, at, 0x1A, 0x10, generation);
    PutLogTime(page, at + 8, time);
    PutLe32(page, at + 16, static_cast<std::uint32_t>(generation - 2));
    PutLe32(page, at + 20, static_cast<std::uint32_t>(generation));
}

std::string Page(const EseHeaderSpec& spec) {
    std::string page(kEsePageSize, '\0');
    const Time created{spec.second, spec.minute, spec.hour,
                       spec.day,    spec.month,  static_cast<std::uint8_t>(spec.year - 1900)};
    Time later = created;
    later.hour = static_cast<std::uint8_t>((created.hour + 2) % 24);
    PutLe32(page, 0x004, 0x89ABCDEF); // signature bytes EF CD AB 89
    PutLe32(page, 0x008, 0x620);      // format version
    PutLe32(page, 0x00C, spec.fileType);
    PutLe16(page, 0x010, 0x3F2A); // database time
    PutLe16(page, 0x012, 0x0001);
    PutLe16(page, 0x014, 0x0000);
    PutSignature(page, 0x018, spec.randomSignature, created, spec.computerName);
    PutLe32(page, 0x034, spec.state);
    PutLogPosition(page, 0x038, 0x1A, 0x10, spec.logGeneration);
    PutLogTime(page, 0x040, later);
    PutLogTime(page, 0x048, created);
    PutLogPosition(page, 0x050, 0x0C, 0x00, spec.logGeneration - 5);
    PutLogTime(page, 0x058, later);
    PutLogPosition(page, 0x060, 0x1A, 0x10, spec.logGeneration);
    PutSignature(page, 0x068, spec.randomSignature ^ 0x5A5A5A5A, created, spec.computerName);
    PutBackupInfo(page, 0x088, spec.fullBackupGeneration, created);
    PutBackupInfo(page, 0x0B8, spec.logGeneration, later);
    PutLe32(page, 0x0D4, 0x0000A81C); // last object identifier
    PutLe32(page, 0x0D8, 0x620);      // major version
    PutLe32(page, 0x0DC, 0x09);       // minor version
    PutLe32(page, 0x0E0, 6944);       // build number
    PutLe32(page, 0x0E4, 2);          // service pack
    PutLe32(page, 0x0E8, 0x0C);       // file format revision
    PutLe32(page, 0x0EC, kEsePageSize);
    std::string requiredLog;
    AppendUtf16Le(requiredLog, u"E00");
    page.replace(0x128, requiredLog.size(), requiredLog);
    PutLe32(page, 0x130, 0x0B);                                           // exchange format
    PutLe32(page, 0x154, 0x620);                                          // creation format version
    PutLe32(page, 0x158, 0x09);                                           // creation format revision
    PutLe32(page, 0x1A0, static_cast<std::uint32_t>(spec.logGeneration)); // committed log
    PutLe32(page, 0x1FC, 0x0501);                                         // NLS major version
    PutLe32(page, 0x200, 0x0101);                                         // NLS minor version
    std::uint32_t checksum = 0x89ABCDEF;
    for (std::size_t at = 4; at < kEsePageSize; at += 4) {
        checksum ^= GetLe32(page, at);
    }
    PutLe32(page, 0, checksum);
    return page;
}

} // namespace

std::string EseHeaderImage(const EseHeaderSpec& spec) {
    return Page(spec).substr(0, kEseHeaderSize);
}

std::string EsePageImage(const EseHeaderSpec& spec) {
    return Page(spec);
}

} // namespace tarvelo::bkfgen
