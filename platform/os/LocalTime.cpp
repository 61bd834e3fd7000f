#include "platform/os/LocalTime.h"

#include <time.h>

namespace tarvelo::os {

std::optional<std::tm> LocalTime(std::time_t when) {
    std::tm result{};
#ifdef _WIN32
    if (localtime_s(&result, &when) != 0) {
        return std::nullopt;
    }
#else
    if (localtime_r(&when, &result) == nullptr) {
        return std::nullopt;
    }
#endif
    return result;
}

} // namespace tarvelo::os
