// Any UTF-16 text as a JSON string: the result is always one valid JSON string literal. Without
// unpaired surrogates a standard parser reads back exactly the text; with them, each becomes an
// escape of its unit and nothing else is lost.
#include "cli/JsonLine.h"
#include "reader/TextEncoding.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    const std::string json = tarvelo::cli::JsonString(text);
    if (tarvelo::Utf8ToUtf16(tarvelo::Utf16ToUtf8(text)) == text) {
        if (nlohmann::json::parse(json).get<std::string>() != tarvelo::Utf16ToUtf8(text)) {
            std::abort();
        }
    } else if (json.find("\\ud") == std::string::npos) {
        std::abort();
    }
    return 0;
}
