// The Windows services the plug-in uses, called directly.

#include <windows.h>

#include <cstdio>
#include <string>

#include "stats/core/os.h"

namespace stats {
namespace os {

void ShowMessage(const char* text) {
  MessageBoxA(nullptr, text, nullptr, MB_OK);
}

void StartProgram(const char* command_line) {
  WinExec(command_line, SW_SHOWNORMAL);
}

int SystemUtcHour() {
  SYSTEMTIME now;
  GetSystemTime(&now);
  return now.wHour;
}

std::FILE* OpenFile(std::string_view path, const char* mode) {
  return std::fopen(std::string(path).c_str(), mode);
}

bool MoveOver(std::string_view from, std::string_view to) {
  return MoveFileExA(std::string(from).c_str(), std::string(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING) != 0;
}

void RemoveFile(std::string_view path) {
  DeleteFileA(std::string(path).c_str());
}

}  // namespace os
}  // namespace stats
