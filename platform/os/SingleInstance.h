// Keeps the program to one instance per machine, for all users logged on to it.
#pragma once

#include <string>

namespace tarvelo::os {

// The machine-wide name of the single-instance object.
inline constexpr const char* kSingleInstanceName = "Global\\{QUORINTARVELO2912}";

enum class InstanceState {
    kFirst,          // this process holds the object
    kAlreadyRunning, // another process (of any user) holds it
    kUnknown         // the object could not be set up; the caller decides
};

// Windows: a named, not initially owned mutex; error 183 (already exists) means another instance.
// POSIX: a lock file in the machine-wide temporary folder, opened without following links, readable by
// every user (so another user's second start is refused too) and locked with flock. The lock is
// released when the object is destroyed or the process ends in any way.
class SingleInstance {
public:
    // lockFolder is only used on POSIX; empty means the machine-wide temporary folder (/tmp).
    explicit SingleInstance(const std::string& name = kSingleInstanceName,
                            const std::string& lockFolder = {});
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
    ~SingleInstance();

    [[nodiscard]] InstanceState State() const { return state_; }
    // POSIX: the lock file's path; empty on Windows.
    [[nodiscard]] const std::string& LockPath() const { return lockPath_; }

    // The file name used for a mutex name: characters other than letters, digits, braces and '-' become
    // '_' so that the backslash of "Global\" cannot name a folder.
    static std::string LockFileName(const std::string& name);

private:
    InstanceState state_ = InstanceState::kUnknown;
    std::string lockPath_;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

} // namespace tarvelo::os
