// The database layout of the properties pane: which header field each row shows, under which
// caption and description, in which group and order (eight groups, 72 value rows).
#pragma once

#include "dbheader/DatabaseHeader.h"
#include "dbheader/PropertyRow.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace tarvelo {

enum class FieldConversion {
    FileName,      // not a header field: the copy's file name, given by the caller
    HexBytes,      // 4 bytes
    Decimal,       // signed 32-bit
    FileType,      // file type word
    DatabaseState, // state word
    DbTime,
    LogTime,
    LogPosition,
    Text, // UTF-16LE up to the first zero unit or the end of the header
};

struct HeaderRowSpec {
    std::string_view caption;
    std::string_view description;
    FieldConversion conversion;
    std::size_t offset; // into the header; unused for FileName
};

struct HeaderGroupSpec {
    std::string_view caption;
    std::span<const HeaderRowSpec> rows;
};

inline constexpr std::size_t kDatabaseLayoutGroups = 8;
inline constexpr std::size_t kDatabaseLayoutRows = 72;

// The eight groups in screen order.
std::span<const HeaderGroupSpec> DatabaseLayoutSpec();

// The text of one row's value.
std::u16string FormatHeaderField(const HeaderRowSpec& row, const DatabaseHeader& header,
                                 std::u16string_view fileName);

// Every group and row with its value. `fileName` is the value of the first row, "File name": the
// caller passes FileNameOfPath of the copy's path (or the native file name of the copy).
PropertyLayout BuildDatabaseLayout(std::u16string_view fileName, const DatabaseHeader& header);

} // namespace tarvelo
