#include "platform/os/Terminal.h"

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tarvelo::os {

bool IsTerminal(StandardStream stream) {
#ifdef _WIN32
    return _isatty(stream == StandardStream::Output ? 1 : 2) != 0;
#else
    return ::isatty(stream == StandardStream::Output ? STDOUT_FILENO : STDERR_FILENO) != 0;
#endif
}

void SetBinaryStandardOutput() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

} // namespace tarvelo::os
