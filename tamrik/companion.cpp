// The order of the calls is the point of this file: the start-up steps, the
// CW and SSB buttons that give the focus back between their two texts, and
// the RTTY button that does so after both.

#include "tamrik/companion.h"

#include <cstring>

namespace tamrik {
namespace {

constexpr const char* kCwMode = "<MODE:CW>";
constexpr const char* kCwFile = "<MODEMACROS:.\\PLUGINS\\Zelmar_CW.mc>";
constexpr const char* kSsbMode = "<MODE:SSB>";
constexpr const char* kSsbFile = "<MODEMACROS:.\\PLUGINS\\Zelmar_SSB.mc>";
constexpr const char* kRttyMode = "<MODE:RTTY>";
constexpr const char* kRttyFile = "<MODEMACROS:.\\PLUGINS\\Zelmar_RTTY.mc>";

}  // namespace

bool IsHostWindowClass(const char* class_name) {
  return std::strncmp(class_name, kHostWindowClassPrefix,
                      std::strlen(kHostWindowClassPrefix)) == 0;
}

bool Companion::Start() {
  bound_ = true;
  if (!host_.Bind()) {
    desktop_.ShowMessage(kHostMissingText);
    bound_ = false;
    return false;
  }
  if (!desktop_.CreateSingleInstanceSemaphore()) return false;
  host_window_ = desktop_.FindHostWindow();
  desktop_.MakeTopmost();
  host_.ExecuteMacros(kCwMode);
  host_.ExecuteMacros(kCwFile);
  desktop_.BringToFront(host_window_);
  return true;
}

void Companion::Switch(const char* mode_macro, const char* file_macro) {
  if (!bound_) return;
  host_.ExecuteMacros(mode_macro);
  desktop_.BringToFront(host_window_);
  host_.ExecuteMacros(file_macro);
}

void Companion::OnCw() { Switch(kCwMode, kCwFile); }

void Companion::OnSsb() { Switch(kSsbMode, kSsbFile); }

void Companion::OnRtty() {
  if (!bound_) return;
  // A null Mode means the host is not ready to switch: only the focus goes
  // back to it.
  if (host_.ModeIsSet()) {
    host_.ExecuteMacros(kRttyMode);
    host_.ExecuteMacros(kRttyFile);
  }
  desktop_.BringToFront(host_window_);
}

bool Companion::OnTick() {
  bound_ = true;
  if (!host_.Bind()) {
    bound_ = false;
    return false;
  }
  return true;
}

void Companion::OnClose() { host_.Release(); }

}  // namespace tamrik
