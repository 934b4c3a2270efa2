// The host link over the host's automation interface, late bound: the
// object is found by its ProgID among the running objects, and its members
// are called by name.

#ifndef TAMRIK_HOST_LINK_WIN32_H_
#define TAMRIK_HOST_LINK_WIN32_H_

#include <windows.h>

#include "tamrik/companion.h"

namespace tamrik {

class AutomationHostLink : public HostLink {
 public:
  ~AutomationHostLink() override { Release(); }
  bool Bind() override;
  void ExecuteMacros(const std::string& macro) override;
  bool ModeIsSet() override;
  void Release() override;

 private:
  IDispatch* host_ = nullptr;  // owned reference
};

}  // namespace tamrik

#endif  // TAMRIK_HOST_LINK_WIN32_H_
