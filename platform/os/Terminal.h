// The standard streams as the command-line tool needs them.
#pragma once

namespace tarvelo::os {

enum class StandardStream { Output, Error };

// True when the stream is a terminal (a progress bar makes sense there, not in a pipe or a file).
bool IsTerminal(StandardStream stream);

// Standard output carries file data unchanged (no newline translation on Windows).
void SetBinaryStandardOutput();

} // namespace tarvelo::os
