#pragma once
// The calendar folder's lock: every program that opens a calendar table
// holds a shared lock on the folder for as long as the table is open; a tool that replaces tables (import,
// generate) takes it exclusively, and refuses while any program has the calendar open. The lock is the
// operating system's (flock), so a program that is killed releases it.

#include <filesystem>
#include <optional>
#include <string>

namespace hoshi {

class CalendarLock {
public:
    // A shared lock on the folder; nullopt when the folder cannot be opened.
    static std::optional<CalendarLock> shared(const std::filesystem::path& folder);
    // The exclusive lock; Error naming the folder when a program has the
    // calendar open, or when the folder cannot be opened.
    static CalendarLock exclusive(const std::filesystem::path& folder);

    CalendarLock(CalendarLock&& other) noexcept;
    CalendarLock& operator=(CalendarLock&& other) noexcept;
    CalendarLock(const CalendarLock&) = delete;
    CalendarLock& operator=(const CalendarLock&) = delete;
    ~CalendarLock();

private:
    explicit CalendarLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

} // namespace hoshi
