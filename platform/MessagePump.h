// Keeps the window alive during long work on the user-interface thread: handles the pending input,
// paint and posted events (a worker's sends included) and returns. Called between units of work.
#pragma once

namespace tarvelo::platform {

void PumpMessages();

} // namespace tarvelo::platform
