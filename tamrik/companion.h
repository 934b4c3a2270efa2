// The mode-switch companion's behaviour, apart from any window system: what
// it does at start-up, on each button, on each timer tick and at closing.
// The Win32 program supplies the two interfaces; the tests supply fakes
// that record the calls in order.

#ifndef TAMRIK_COMPANION_H_
#define TAMRIK_COMPANION_H_

#include <string>

namespace tamrik {

// The running logging host, reached through its automation interface.
class HostLink {
 public:
  virtual ~HostLink() = default;
  // Binds to the running host object, replacing any earlier binding.
  // Returns false when no host is running; never starts one.
  virtual bool Bind() = 0;
  // Calls the host's ExecuteMacros with one text; failures are ignored.
  virtual void ExecuteMacros(const std::string& macro) = 0;
  // Reads the host's Mode property. Returns false when it yields a null
  // value (or cannot be read).
  virtual bool ModeIsSet() = 0;
  // Drops the binding.
  virtual void Release() = 0;
};

// An opaque handle of a top-level window; 0 for none.
using WindowId = unsigned long long;

// What the companion needs of the desktop.
class Desktop {
 public:
  virtual ~Desktop() = default;
  // Creates the single-instance semaphore; false when it cannot be created
  // or the system reports any error for the call (another copy holds it).
  virtual bool CreateSingleInstanceSemaphore() = 0;
  // Returns the first top-level window, in the system's order, whose class
  // name satisfies IsHostWindowClass; 0 when none does.
  virtual WindowId FindHostWindow() = 0;
  // Puts the companion's own window on top of all non-topmost windows.
  virtual void MakeTopmost() = 0;
  // Brings `window` to the front; nothing happens for 0.
  virtual void BringToFront(WindowId window) = 0;
  // Shows a modal message box and returns when it is closed.
  virtual void ShowMessage(const std::string& text) = 0;
};

// The texts for the host's macro language.
constexpr const char* kHostMissingText = "MixW2 is not loaded";
constexpr const char* kHostWindowClassPrefix = "Afx:400000:b:10011";

// True when the first 18 characters of `class_name` are exactly the host's
// window class prefix, case included.
bool IsHostWindowClass(const char* class_name);

class Companion {
 public:
  Companion(HostLink& host, Desktop& desktop)
      : host_(host), desktop_(desktop) {}

  // Runs start-up, before the window is shown. Returns false when the
  // program must end (no host: after the message; another copy: silently).
  bool Start();

  void OnCw();
  void OnSsb();
  void OnRtty();

  // Binds again; returns false when the host is gone and the program must
  // end.
  bool OnTick();

  void OnClose();

 private:
  void Switch(const char* mode_macro, const char* file_macro);

  HostLink& host_;
  Desktop& desktop_;
  bool bound_ = false;
  WindowId host_window_ = 0;
};

}  // namespace tamrik

#endif  // TAMRIK_COMPANION_H_
