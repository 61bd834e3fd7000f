// Ways to damage a backup, on a byte buffer or in place on a file: the shapes of harm a recovery
// tool meets (cut-off copies, zeroed stretches, bit rot, stray tags). Ranges are clipped to the data.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvelo::bkfgen {

// Cuts the data to `length` bytes (no change when it is already shorter).
void Truncate(std::string& bytes, std::uint64_t length);
// Sets [offset, offset + count) to zero.
void ZeroRange(std::string& bytes, std::uint64_t offset, std::uint64_t count);
// XORs every byte of [offset, offset + count) with mask.
void FlipBytes(std::string& bytes, std::uint64_t offset, std::uint64_t count, std::uint8_t mask = 0xFF);
// XORs `count` bytes at positions drawn from `seed` with non-zero values (the same seed, the same harm).
void FlipRandomBytes(std::string& bytes, std::uint64_t seed, std::uint64_t count);
// Writes `tag` (usually four characters, optionally with the bytes that follow) at offset, growing
// nothing: bytes that would land past the end are dropped.
void PlantTag(std::string& bytes, std::uint64_t offset, std::string_view tag);

// The same on a file, changed in place. Throw std::runtime_error when the file cannot be changed.
void TruncateFile(const std::filesystem::path& path, std::uint64_t length);
void ZeroFileRange(const std::filesystem::path& path, std::uint64_t offset, std::uint64_t count);
void FlipFileBytes(const std::filesystem::path& path, std::uint64_t offset, std::uint64_t count,
                   std::uint8_t mask = 0xFF);
void FlipRandomFileBytes(const std::filesystem::path& path, std::uint64_t seed, std::uint64_t count);
void PlantFileTag(const std::filesystem::path& path, std::uint64_t offset, std::string_view tag);

} // namespace tarvelo::bkfgen
