// A stand-in for the logging host, for the companion's tests: it offers an
// automation object under the host's ProgID in the running object table,
// appends every ExecuteMacros text to a log file (and "<FOREGROUND>" when
// its window becomes the active one), answers Mode, and owns a main window
// of the host's window class.
//
//   stand_in_host.exe LOG_FILE [--mode-null]

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// {5A1C0C1E-7E57-4B0D-9E57-5A1A3A1D0001}: the stand-in's own class id.
const CLSID kStandInClsid = {0x5a1c0c1e,
                             0x7e57,
                             0x4b0d,
                             {0x9e, 0x57, 0x5a, 0x1a, 0x3a, 0x1d, 0x00, 0x01}};
constexpr const char* kStandInClsidText =
    "{5A1C0C1E-7E57-4B0D-9E57-5A1A3A1D0001}";
constexpr DISPID kExecuteMacros = 1;
constexpr DISPID kMode = 2;

std::string g_log;
bool g_mode_null = false;
DWORD g_cookie = 0;  // the running-object registration

void Log(const std::string& line) {
  if (FILE* f = std::fopen(g_log.c_str(), "ab")) {
    std::fprintf(f, "%s\n", line.c_str());
    std::fclose(f);
  }
}

std::string Narrow(const wchar_t* text) {
  std::string out;
  for (; text != nullptr && *text != 0; ++text) {
    out.push_back(static_cast<char>(*text));
  }
  return out;
}

class HostObject : public IDispatch {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IDispatch) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs_; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count,
                                          LCID, DISPID* ids) override {
    if (count != 1) return DISP_E_UNKNOWNNAME;
    if (_wcsicmp(names[0], L"ExecuteMacros") == 0) {
      ids[0] = kExecuteMacros;
    } else if (_wcsicmp(names[0], L"Mode") == 0) {
      ids[0] = kMode;
    } else {
      ids[0] = DISPID_UNKNOWN;
      return DISP_E_UNKNOWNNAME;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags,
                                   DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO*, UINT*) override {
    if (id == kExecuteMacros && (flags & DISPATCH_METHOD) &&
        params->cArgs == 1) {
      VARIANT text;
      VariantInit(&text);
      if (FAILED(VariantChangeType(&text, &params->rgvarg[0], 0, VT_BSTR))) {
        return DISP_E_TYPEMISMATCH;
      }
      Log(Narrow(text.bstrVal));
      VariantClear(&text);
      return S_OK;
    }
    if (id == kMode && (flags & DISPATCH_PROPERTYGET) && result != nullptr) {
      VariantInit(result);
      if (g_mode_null) {
        result->vt = VT_NULL;
      } else {
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocString(L"CW");
      }
      return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  ULONG refs_ = 1;
};

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wparam,
                          LPARAM lparam) {
  if (message == WM_ACTIVATE && LOWORD(wparam) != WA_INACTIVE) {
    Log("<FOREGROUND>");
  }
  if (message == WM_CLOSE && g_cookie != 0) {
    // Like a host shutting down: its object leaves the running object table
    // as its main window closes.
    RevokeActiveObject(g_cookie, nullptr);
    g_cookie = 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  g_log = argv[1];
  g_mode_null = argc > 2 && std::string(argv[2]) == "--mode-null";
  CoInitialize(nullptr);

  RegSetValueA(HKEY_CLASSES_ROOT, "MixW2.Application\\CLSID", REG_SZ,
               kStandInClsidText, 0);
  HostObject host;
  if (FAILED(RegisterActiveObject(&host, kStandInClsid, ACTIVEOBJECT_STRONG,
                                  &g_cookie))) {
    return 1;
  }

  WNDCLASSA main_class = {};
  main_class.lpfnWndProc = HostProc;
  main_class.hInstance = GetModuleHandleA(nullptr);
  main_class.lpszClassName = "Afx:400000:b:10011:6:stand-in";
  main_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassA(&main_class);
  HWND window =
      CreateWindowA(main_class.lpszClassName, "Stand-in host",
                    WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 400, 200,
                    nullptr, nullptr, main_class.hInstance, nullptr);
  if (window == nullptr) return 1;

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (g_cookie != 0) RevokeActiveObject(g_cookie, nullptr);
  CoUninitialize();
  return 0;
}
