// The station details dialog as a real modal Windows dialog. The template
// (resource 101) and its category list live in the library's resources; the
// code only binds the ten texts to their controls.

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "stats/station/station_dialog.h"
#include "stats/station/station_dialog_ids.h"

namespace stats {
namespace {

struct Binding {
  int control;
  std::string StationTexts::*text;
};

// In the order the texts are read back.
const Binding kBindings[] = {
    {IDC_CALLSIGN, &StationTexts::call_sign},
    {IDC_CLAIMED, &StationTexts::claimed},
    {IDC_CLUB, &StationTexts::club},
    {IDC_CATEGORY, &StationTexts::category},
    {IDC_CONTEST, &StationTexts::contest},
    {IDC_EMAIL, &StationTexts::email},
    {IDC_NAME, &StationTexts::name},
    {IDC_OPERATORS, &StationTexts::operators},
    {IDC_SOAPBOX, &StationTexts::soap_box},
    {IDC_ADDRESS, &StationTexts::address},
};

HMODULE OwnModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&OwnModule), &module);
  return module;
}

// Sends the messages of the dialog's initialisation resource: for each
// record a control id, a message, the data length and the data.
void ApplyDialogInit(HWND dialog) {
  const HMODULE module = OwnModule();
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDD_STATION),
                              MAKEINTRESOURCEA(RT_DIALOG_INIT));
  if (found == nullptr) return;
  const BYTE* data =
      static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  const DWORD size = SizeofResource(module, found);
  DWORD at = 0;
  while (data != nullptr && at + 8 <= size) {
    WORD control, message;
    DWORD length;
    std::memcpy(&control, data + at, 2);
    std::memcpy(&message, data + at + 2, 2);
    std::memcpy(&length, data + at + 4, 4);
    if (control == 0 || at + 8 + length > size) break;
    const std::string item(reinterpret_cast<const char*>(data + at + 8),
                           length);
    SendDlgItemMessageA(dialog, control, message, 0,
                        reinterpret_cast<LPARAM>(item.c_str()));
    at += 8 + length;
  }
}

std::string ControlText(HWND dialog, int control) {
  const HWND item = GetDlgItem(dialog, control);
  const int length = GetWindowTextLengthA(item);
  std::vector<char> text(static_cast<size_t>(length) + 1);
  const int got = GetWindowTextA(item, text.data(), length + 1);
  return std::string(text.data(), got > 0 ? got : 0);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wparam,
                            LPARAM lparam) {
  StationTexts* texts =
      reinterpret_cast<StationTexts*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lparam);
      texts = reinterpret_cast<StationTexts*>(lparam);
      ApplyDialogInit(dialog);
      for (const Binding& b : kBindings) {
        if (b.control == IDC_CATEGORY) continue;
        SetDlgItemTextA(dialog, b.control, (texts->*b.text).c_str());
      }
      const int category = FindCategory(texts->category);
      if (category >= 0) {
        SendDlgItemMessageA(dialog, IDC_CATEGORY, CB_SETCURSEL, category, 0);
      } else {
        SetDlgItemTextA(dialog, IDC_CATEGORY, texts->category.c_str());
      }
      return TRUE;  // the focus goes to the first tab stop
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        for (const Binding& b : kBindings) {
          texts->*b.text = ControlText(dialog, b.control);
        }
        EndDialog(dialog, 1);
        return TRUE;
      }
      if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, 2);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

int StationDialog::Run() {
  StationTexts form = texts;
  const INT_PTR result =
      DialogBoxParamA(OwnModule(), MAKEINTRESOURCEA(IDD_STATION), nullptr,
                      DialogProc, reinterpret_cast<LPARAM>(&form));
  if (result == 1) texts = form;
  return static_cast<int>(result);
}

}  // namespace stats
