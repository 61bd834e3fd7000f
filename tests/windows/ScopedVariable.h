// Sets a variable of the process environment (the one GetTempPathW reads) for one scope.
#pragma once

#include <cstdlib>
#include <string>

namespace tarvelo::test {

class ScopedVariable {
public:
    ScopedVariable(const wchar_t* name, const std::wstring& value) : name_(name) {
        if (const wchar_t* old = _wgetenv(name)) {
            old_ = old;
            hadOld_ = true;
        }
        _wputenv_s(name, value.c_str());
    }
    ~ScopedVariable() { _wputenv_s(name_, hadOld_ ? old_.c_str() : L""); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const wchar_t* name_;
    std::wstring old_;
    bool hadOld_ = false;
};

} // namespace tarvelo::test
