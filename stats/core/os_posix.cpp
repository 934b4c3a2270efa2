// POSIX stand-ins for the few Windows services the plug-in uses. Paths come
// in the host's form with backslashes; they become slashes here.

#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>

#include "stats/core/os.h"

extern char** environ;

namespace stats {
namespace os {
namespace {

std::string NativePath(std::string_view path) {
  std::string native(path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

}  // namespace

void ShowMessage(const char* text) { std::fprintf(stderr, "%s\n", text); }

void StartProgram(const char* command_line) {
  const std::string program = NativePath(command_line);
  if (access(program.c_str(), X_OK) != 0) return;
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  pid_t pid;
  posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ);
}

int SystemUtcHour() {
  const time_t now = time(nullptr);
  struct tm utc;
  gmtime_r(&now, &utc);
  return utc.tm_hour;
}

std::FILE* OpenFile(std::string_view path, const char* mode) {
  return std::fopen(NativePath(path).c_str(), mode);
}

bool MoveOver(std::string_view from, std::string_view to) {
  return std::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
}

void RemoveFile(std::string_view path) {
  std::remove(NativePath(path).c_str());
}

}  // namespace os
}  // namespace stats
