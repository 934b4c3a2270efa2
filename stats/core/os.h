// What the plug-in needs of the operating system, behind one small
// interface. os_win32.cpp calls the Windows API; os_posix.cpp stands in for
// it on Linux, where the score tool and the tests run the plug-in.

#ifndef STATS_CORE_OS_H_
#define STATS_CORE_OS_H_

#include <cstdio>
#include <string>
#include <string_view>

namespace stats {
namespace os {

// Shows `text` in a modal system message box with no owner and no caption
// of its own and an OK button; returns when it is closed. On POSIX, writes
// the text as one line to standard error.
void ShowMessage(const char* text);

// Starts `command_line` (a relative program path with backslashes) as a
// separate process, shown normally. Failures are ignored.
void StartProgram(const char* command_line);

// Returns the current hour of day in UTC, 0 to 23.
int SystemUtcHour();

// Opens `path` (backslashes allowed as folder separators) with fopen's
// `mode`; nullptr when it cannot be opened.
std::FILE* OpenFile(std::string_view path, const char* mode);

// Moves the file `from` over `to`, replacing it; returns true on success.
// Both lie in the same folder.
bool MoveOver(std::string_view from, std::string_view to);

// Removes the file `path`, ignoring failures.
void RemoveFile(std::string_view path);

}  // namespace os
}  // namespace stats

#endif  // STATS_CORE_OS_H_
