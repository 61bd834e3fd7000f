#include "recovery/SnapshotFormat.h"

#include "reader/TextEncoding.h"

#include <algorithm>

namespace tarvelo::snapshot {

namespace {

void PutUnits(std::uint8_t* out, std::u16string_view text) {
    for (const char16_t unit : text) {
        *out++ = static_cast<std::uint8_t>(unit & 0xFF);
        *out++ = static_cast<std::uint8_t>(unit >> 8);
    }
}

} // namespace

std::optional<Header> BuildHeader(std::u16string_view backupPath) {
    if (backupPath.size() > kMaxBackupPathUnits || backupPath.find(u'\0') != std::u16string_view::npos) {
        return std::nullopt;
    }
    Header header{};
    PutUnits(header.data(), kSignature);
    PutUnits(header.data() + kSignatureFieldSize, backupPath);
    return header;
}

bool SignatureMatches(const std::array<std::uint8_t, kSignatureFieldSize>& field) {
    return Utf16FromLeBytes(field.data(), field.size(), field.size() / 2) == kSignature;
}

PathField ReadPathField(const std::array<std::uint8_t, kPathFieldSize>& field) {
    PathField result;
    result.path = Utf16FromLeBytes(field.data(), field.size(), kPathFieldUnits);
    if (result.path.size() == kPathFieldUnits) {
        result.path.resize(kMaxBackupPathUnits);
        result.unterminated = true;
    }
    return result;
}

} // namespace tarvelo::snapshot
