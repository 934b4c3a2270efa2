// Tamrik: a small always-on-top window with CW, SSB and RTTY buttons that
// switch the logging host's mode. The layout is given in twips, as the
// window was designed, and turned into pixels at the screen's resolution.

#include <windows.h>

#include <string>

#include "tamrik/companion.h"
#include "tamrik/host_link_win32.h"

namespace tamrik {
namespace {

constexpr const char* kWindowClass = "ZelmarCompanion";
constexpr const char* kCaption = "ZELMAR TEST    ";
constexpr const char* kSemaphoreName = "Divi_Zuve";
constexpr COLORREF kFormColour = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kButtonColour = RGB(0xE0, 0xE0, 0xE0);
constexpr UINT_PTR kTimer = 1;  // Timer1
constexpr UINT kTimerMs = 500;

// Form1's client area and buttons, in twips (1440 to the inch).
constexpr int kClientWidth = 2790, kClientHeight = 600;

struct ButtonLayout {
  int id;
  const char* caption;
  int left, top, width, height;  // twips
  int font_tenths;               // point size times ten, Verdana bold
};

enum ButtonId { kCommand1 = 101, kCommand2 = 102, kCommand3 = 103 };

constexpr ButtonLayout kButtons[] = {
    {kCommand1, "CW", 120, 120, 732, 372, 75},
    {kCommand3, "SSB", 960, 120, 732, 372, 75},
    {kCommand2, "RTTY", 1800, 120, 855, 372, 83},
};

int Pixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

// Stops the enumeration at the first window whose class is the host's.
BOOL CALLBACK FirstHostWindow(HWND window, LPARAM result) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  if (!IsHostWindowClass(name)) return TRUE;
  *reinterpret_cast<HWND*>(result) = window;
  return FALSE;
}

class Win32Desktop : public Desktop {
 public:
  explicit Win32Desktop(HWND window) : window_(window) {}

  bool CreateSingleInstanceSemaphore() override {
    SetLastError(ERROR_SUCCESS);
    // Held open until the program ends; never waited on or released.
    const HANDLE semaphore = CreateSemaphoreA(nullptr, 0, 1, kSemaphoreName);
    return semaphore != nullptr && GetLastError() == ERROR_SUCCESS;
  }

  WindowId FindHostWindow() override {
    HWND found = nullptr;
    EnumWindows(FirstHostWindow, reinterpret_cast<LPARAM>(&found));
    return reinterpret_cast<WindowId>(found);
  }

  void MakeTopmost() override {
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }

  void BringToFront(WindowId window) override {
    if (window != 0) SetForegroundWindow(reinterpret_cast<HWND>(window));
  }

  void ShowMessage(const std::string& text) override {
    MessageBoxA(nullptr, text.c_str(), "ZELMAR TEST", MB_OK);
  }

 private:
  HWND window_;
};

struct App {
  AutomationHostLink host;
  HBRUSH form_brush = nullptr;
  HBRUSH button_brush = nullptr;
  HFONT fonts[3] = {};
  Companion* companion = nullptr;
};

App* TheApp(HWND window) {
  return reinterpret_cast<App*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void DrawButton(const DRAWITEMSTRUCT& item, HBRUSH brush) {
  RECT r = item.rcItem;
  FillRect(item.hDC, &r, brush);
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  DrawEdge(item.hDC, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  char text[16] = "";
  GetWindowTextA(item.hwndItem, text, sizeof text);
  SetBkMode(item.hDC, TRANSPARENT);
  if (pressed) OffsetRect(&r, 1, 1);
  DrawTextA(item.hDC, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (item.itemState & ODS_FOCUS) {
    InflateRect(&r, -3, -3);
    DrawFocusRect(item.hDC, &r);
  }
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wparam,
                          LPARAM lparam) {
  App* app = TheApp(window);
  switch (message) {
    case WM_COMMAND:
      if (app != nullptr && app->companion != nullptr &&
          HIWORD(wparam) == BN_CLICKED) {
        switch (LOWORD(wparam)) {
          case kCommand1:
            app->companion->OnCw();
            break;
          case kCommand3:
            app->companion->OnSsb();
            break;
          case kCommand2:
            app->companion->OnRtty();
            break;
        }
      }
      return 0;
    case WM_DRAWITEM:
      DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam),
                 app->button_brush);
      return TRUE;
    case WM_TIMER:
      if (wparam == kTimer && app->companion != nullptr &&
          !app->companion->OnTick()) {
        // The host is gone: leave the screen at once; letting go of the
        // host's stale reference may take the system a moment.
        ShowWindow(window, SW_HIDE);
        DestroyWindow(window);
      }
      return 0;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      KillTimer(window, kTimer);
      if (app != nullptr && app->companion != nullptr) {
        app->companion->OnClose();
      }
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

HWND CreateForm(HINSTANCE instance, App& app) {
  WNDCLASSA form = {};
  form.lpfnWndProc = FormProc;
  form.hInstance = instance;
  form.hCursor = LoadCursor(nullptr, IDC_ARROW);
  form.hbrBackground = app.form_brush;
  form.lpszClassName = kWindowClass;
  RegisterClassA(&form);

  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);

  // A fixed single border: a caption and the system menu, no sizing frame,
  // no minimise or maximise box.
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  RECT frame = {0, 0, Pixels(kClientWidth, dpi), Pixels(kClientHeight, dpi)};
  AdjustWindowRect(&frame, style, FALSE);
  HWND window =
      CreateWindowA(kWindowClass, kCaption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                    frame.right - frame.left, frame.bottom - frame.top, nullptr,
                    nullptr, instance, nullptr);
  if (window == nullptr) return nullptr;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&app));

  for (size_t i = 0; i < 3; ++i) {
    const ButtonLayout& b = kButtons[i];
    app.fonts[i] = CreateFontA(-MulDiv(b.font_tenths, dpi, 720), 0, 0, 0,
                               FW_BOLD, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               DEFAULT_QUALITY, DEFAULT_PITCH, "Verdana");
    HWND button = CreateWindowA(
        "BUTTON", b.caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
        Pixels(b.left, dpi), Pixels(b.top, dpi), Pixels(b.width, dpi),
        Pixels(b.height, dpi), window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id)), instance, nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(app.fonts[i]),
                 TRUE);
  }
  return window;
}

int Run(HINSTANCE instance) {
  App app;
  app.form_brush = CreateSolidBrush(kFormColour);
  app.button_brush = CreateSolidBrush(kButtonColour);
  HWND window = CreateForm(instance, app);
  if (window == nullptr) return 1;

  // Start-up runs before the window is first shown.
  Win32Desktop desktop(window);
  Companion companion(app.host, desktop);
  if (!companion.Start()) {
    DestroyWindow(window);
    return 0;
  }
  app.companion = &companion;
  SetTimer(window, kTimer, kTimerMs, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  app.companion = nullptr;
  for (HFONT font : app.fonts) DeleteObject(font);
  DeleteObject(app.form_brush);
  DeleteObject(app.button_brush);
  return 0;
}

}  // namespace
}  // namespace tamrik

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  CoInitialize(nullptr);
  const int status = tamrik::Run(instance);
  CoUninitialize();
  return status;
}
