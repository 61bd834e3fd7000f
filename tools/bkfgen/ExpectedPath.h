// How a scan turns the strings of the blocks it meets into a display path, for the expected results
// of generated backups. Covers well-formed blocks; damaged streams need a real scan to predict.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelo::bkfgen {

// "BKFSET<number>(<name><user>)", name and user cut at their first nul; nothing for a damaged set
// (encryption and compression non-zero and a user name longer than 120 bytes).
[[nodiscard]] std::optional<std::u16string> ExpectedSetName(std::uint16_t number, std::string_view nameBytes,
                                                            std::string_view userBytes,
                                                            std::uint16_t encryption,
                                                            std::uint16_t compression);
// The low byte of the device name's first unit (ASCII device names in practice).
[[nodiscard]] std::u16string ExpectedVolumePrefix(std::string_view deviceBytes);
// Leading backslash when the name starts with a non-zero byte, nul units become backslashes,
// at most 253 units after a leading backslash (255 without).
[[nodiscard]] std::u16string ExpectedDirectoryPath(std::string_view nameBytes);
// ceil(N/2) units of the name; `following` is the byte after an odd-length name.
[[nodiscard]] std::u16string ExpectedFileName(std::string_view nameBytes, std::uint8_t following);
// Set part with / \ : * ? < > | " made underscores ("(null)" without a set), volume, directory,
// name; cut to the 1023 units a record holds.
[[nodiscard]] std::u16string ExpectedDisplayPath(const std::optional<std::u16string>& setName,
                                                 std::u16string_view volumePrefix,
                                                 std::u16string_view directoryPath,
                                                 std::u16string_view fileName);

} // namespace tarvelo::bkfgen
