// Calendar times in the user's time zone, thread-safe.
#pragma once

#include <ctime>
#include <optional>

namespace tarvelo::os {

std::optional<std::tm> LocalTime(std::time_t when);

} // namespace tarvelo::os
