// Any bytes as a snapshot file: check the signature, read the path and every record. When the first
// byte is odd the rest follows a valid signature field, so the fuzzer reaches the path and records
// without having to guess the signature.
#include "recovery/SnapshotFile.h"
#include "recovery/SnapshotFormat.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes;
    if (size > 0 && (data[0] & 1) != 0) {
        bytes.assign(tarvelo::snapshot::kSignatureFieldSize, 0);
        for (std::size_t i = 0; i < tarvelo::snapshot::kSignature.size(); ++i) {
            bytes[2 * i] = static_cast<std::uint8_t>(tarvelo::snapshot::kSignature[i]);
        }
        bytes.insert(bytes.end(), data + 1, data + size);
    } else {
        bytes.assign(data, data + size);
    }
    auto opened = tarvelo::SnapshotReader::FromBytes(bytes);
    if (opened.status != tarvelo::SnapshotOpenStatus::Ok) {
        return 0;
    }
    std::size_t units = opened.reader->BackupPath().size();
    while (const auto record = opened.reader->Next()) {
        units += record->Path().size();
    }
    return units > 0 ? 0 : 0;
}
