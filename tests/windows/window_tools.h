// Helpers for the Windows end-to-end tests: finding a program's window with
// a deadline, and saving a window's picture as a bitmap for the docs.

#ifndef TESTS_WINDOWS_WINDOW_TOOLS_H_
#define TESTS_WINDOWS_WINDOW_TOOLS_H_

#include <windows.h>

#include <string>

namespace zelmar_test {

// Waits up to `deadline_ms` for a visible top-level window, of any process,
// with the window class `window_class` and the caption `caption` (any
// caption when nullptr); nullptr when none appears.
HWND WaitForWindow(const char* window_class, const char* caption,
                   int deadline_ms);

// Waits up to `deadline_ms` until `window` is off the screen (destroyed or
// hidden); returns true if it went.
bool WaitUntilGone(HWND window, int deadline_ms);

// Writes the picture of `window` as a 24-bit BMP file.
bool SaveWindowBitmap(HWND window, const std::string& path);

// Returns the text of `window`.
std::string WindowText(HWND window);

}  // namespace zelmar_test

#endif  // TESTS_WINDOWS_WINDOW_TOOLS_H_
