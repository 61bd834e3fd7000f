// The wait cursor for the lifetime of a scope; nested scopes stack.
#pragma once

namespace tarvelo::platform {

class WaitCursor {
public:
    WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor();
};

} // namespace tarvelo::platform
