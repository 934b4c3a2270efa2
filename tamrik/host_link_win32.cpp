// Every call may fail when the host has just gone away; a failure is
// ignored here and the next timer tick ends the program.

#include "tamrik/host_link_win32.h"

#include <string>

namespace tamrik {
namespace {

constexpr const wchar_t* kProgId = L"MixW2.Application";

std::wstring Wide(const std::string& text) {
  std::wstring wide;
  const int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (size > 0) {
    wide.resize(static_cast<size_t>(size));
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], size);
    wide.pop_back();  // the terminator
  }
  return wide;
}

bool MemberId(IDispatch* object, const wchar_t* name, DISPID* id) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  return SUCCEEDED(
      object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, id));
}

}  // namespace

bool AutomationHostLink::Bind() {
  CLSID clsid;
  IUnknown* running = nullptr;
  IDispatch* host = nullptr;
  if (FAILED(CLSIDFromProgID(kProgId, &clsid)) ||
      FAILED(GetActiveObject(clsid, nullptr, &running)) ||
      FAILED(running->QueryInterface(IID_IDispatch,
                                     reinterpret_cast<void**>(&host)))) {
    if (running != nullptr) running->Release();
    return false;
  }
  running->Release();
  Release();
  host_ = host;
  return true;
}

void AutomationHostLink::ExecuteMacros(const std::string& macro) {
  DISPID id;
  if (host_ == nullptr || !MemberId(host_, L"ExecuteMacros", &id)) return;
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_BSTR;
  argument.bstrVal = SysAllocString(Wide(macro).c_str());
  DISPPARAMS parameters = {&argument, nullptr, 1, 0};
  VARIANT result;
  VariantInit(&result);
  host_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters,
                &result, nullptr, nullptr);
  VariantClear(&result);
  VariantClear(&argument);
}

bool AutomationHostLink::ModeIsSet() {
  DISPID id;
  if (host_ == nullptr || !MemberId(host_, L"Mode", &id)) return false;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  VARIANT mode;
  VariantInit(&mode);
  const HRESULT read =
      host_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                    &none, &mode, nullptr, nullptr);
  const bool set = SUCCEEDED(read) && mode.vt != VT_NULL;
  VariantClear(&mode);
  return set;
}

void AutomationHostLink::Release() {
  if (host_ != nullptr) {
    host_->Release();
    host_ = nullptr;
  }
}

}  // namespace tamrik
