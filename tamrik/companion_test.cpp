#include "tamrik/companion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tamrik {
namespace {

// Records every call to the host and the desktop, in order, in one list.
struct Recorder : HostLink, Desktop {
  std::vector<std::string> calls;
  bool host_running = true;
  bool semaphore_free = true;
  bool mode_set = true;
  WindowId host_window = 7;

  bool Bind() override {
    calls.push_back(host_running ? "bind" : "bind failed");
    return host_running;
  }
  void ExecuteMacros(const std::string& macro) override {
    calls.push_back(macro);
  }
  bool ModeIsSet() override {
    calls.push_back("read Mode");
    return mode_set;
  }
  void Release() override { calls.push_back("release"); }
  bool CreateSingleInstanceSemaphore() override {
    calls.push_back("semaphore");
    return semaphore_free;
  }
  WindowId FindHostWindow() override {
    calls.push_back("find host window");
    return host_window;
  }
  void MakeTopmost() override { calls.push_back("topmost"); }
  void BringToFront(WindowId window) override {
    calls.push_back("front " + std::to_string(window));
  }
  void ShowMessage(const std::string& text) override {
    calls.push_back("message " + text);
  }
};

using Calls = std::vector<std::string>;

TEST(CompanionTest, StartUpInOrder) {
  Recorder r;
  Companion companion(r, r);
  EXPECT_TRUE(companion.Start());
  EXPECT_EQ(
      r.calls,
      (Calls{"bind", "semaphore", "find host window", "topmost", "<MODE:CW>",
             "<MODEMACROS:.\\PLUGINS\\Zelmar_CW.mc>", "front 7"}));
}

TEST(CompanionTest, NoHostShowsTheMessageAndEnds) {
  Recorder r;
  r.host_running = false;
  Companion companion(r, r);
  EXPECT_FALSE(companion.Start());
  EXPECT_EQ(r.calls, (Calls{"bind failed", "message MixW2 is not loaded"}));
  r.calls.clear();
  companion.OnCw();  // not bound: nothing happens
  EXPECT_TRUE(r.calls.empty());
}

TEST(CompanionTest, SecondCopyEndsSilently) {
  Recorder r;
  r.semaphore_free = false;
  Companion companion(r, r);
  EXPECT_FALSE(companion.Start());
  EXPECT_EQ(r.calls, (Calls{"bind", "semaphore"}));
}

TEST(CompanionTest, ButtonsSendTheirTextsInOrder) {
  Recorder r;
  r.host_window = 0;  // no host window found: the focus calls do nothing
  Companion companion(r, r);
  ASSERT_TRUE(companion.Start());
  r.calls.clear();
  companion.OnCw();
  companion.OnSsb();
  companion.OnRtty();
  EXPECT_EQ(
      r.calls,
      (Calls{"<MODE:CW>", "front 0", "<MODEMACROS:.\\PLUGINS\\Zelmar_CW.mc>",
             "<MODE:SSB>", "front 0", "<MODEMACROS:.\\PLUGINS\\Zelmar_SSB.mc>",
             "read Mode", "<MODE:RTTY>",
             "<MODEMACROS:.\\PLUGINS\\Zelmar_RTTY.mc>", "front 0"}));
}

TEST(CompanionTest, NullModeOnlyBringsTheHostForward) {
  Recorder r;
  r.mode_set = false;
  Companion companion(r, r);
  ASSERT_TRUE(companion.Start());
  r.calls.clear();
  companion.OnRtty();
  EXPECT_EQ(r.calls, (Calls{"read Mode", "front 7"}));
}

TEST(CompanionTest, TickRebindsAndEndsWhenTheHostIsGone) {
  Recorder r;
  Companion companion(r, r);
  ASSERT_TRUE(companion.Start());
  r.calls.clear();
  EXPECT_TRUE(companion.OnTick());
  r.host_running = false;
  EXPECT_FALSE(companion.OnTick());
  companion.OnSsb();  // the binding is gone
  companion.OnClose();
  EXPECT_EQ(r.calls, (Calls{"bind", "bind failed", "release"}));
}

TEST(CompanionTest, HostWindowClassPrefix) {
  EXPECT_TRUE(IsHostWindowClass("Afx:400000:b:10011"));
  EXPECT_TRUE(IsHostWindowClass("Afx:400000:b:10011:6:1234"));
  EXPECT_FALSE(IsHostWindowClass("afx:400000:b:10011"));
  EXPECT_FALSE(IsHostWindowClass("Afx:400000:b:1001"));
  EXPECT_FALSE(IsHostWindowClass(""));
}

}  // namespace
}  // namespace tamrik
