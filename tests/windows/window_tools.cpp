#include "tests/windows/window_tools.h"

#include <cstdio>
#include <vector>

namespace zelmar_test {
namespace {

struct Search {
  const char* window_class;
  const char* caption;
  HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM data) {
  Search* search = reinterpret_cast<Search*>(data);
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) != search->window_class || !IsWindowVisible(window)) {
    return TRUE;
  }
  if (search->caption != nullptr && WindowText(window) != search->caption) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

}  // namespace

HWND WaitForWindow(const char* window_class, const char* caption,
                   int deadline_ms) {
  Search search{window_class, caption, nullptr};
  for (int waited = 0; waited <= deadline_ms; waited += 50) {
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    Sleep(50);
  }
  return nullptr;
}

bool WaitUntilGone(HWND window, int deadline_ms) {
  for (int waited = 0; waited <= deadline_ms; waited += 50) {
    if (!IsWindow(window) || !IsWindowVisible(window)) return true;
    Sleep(50);
  }
  return !IsWindow(window) || !IsWindowVisible(window);
}

std::string WindowText(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

bool SaveWindowBitmap(HWND window, const std::string& path) {
  RECT r;
  if (!GetWindowRect(window, &r)) return false;
  const int width = r.right - r.left, height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap =
      CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const DWORD stride = ((width * 3 + 3) / 4) * 4;
  const DWORD image = stride * height;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4d42;
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + image;
  bool ok = false;
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    ok = std::fwrite(&file, sizeof file, 1, out) == 1 &&
         std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
         std::fwrite(bits, 1, image, out) == image;
    std::fclose(out);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

}  // namespace zelmar_test
