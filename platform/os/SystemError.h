// Text of the operating system's last error, for messages that name a file and a reason.
#pragma once

#include <string>

namespace tarvelo::os {

// The reason text of the calling thread's last error (errno, or GetLastError on Windows), in UTF-8.
std::string LastErrorText();

} // namespace tarvelo::os
