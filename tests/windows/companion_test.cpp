// The companion program end to end against the stand-in host: start-up,
// the three buttons, the single-instance guard, the host going away, and
// no host at all. Every wait has a deadline.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/windows/window_tools.h"

namespace {

namespace fs = std::filesystem;
using zelmar_test::WaitForWindow;
using zelmar_test::WaitUntilGone;
using zelmar_test::WindowText;

constexpr const char* kCompanionClass = "ZelmarCompanion";
constexpr const char* kCompanionCaption = "ZELMAR TEST    ";
const std::vector<std::string> kStartUp = {
    "<MODE:CW>", "<MODEMACROS:.\\PLUGINS\\Zelmar_CW.mc>"};

class Process {
 public:
  Process(const std::string& command) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string line = command;
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info_)) {
      info_ = {};
    }
  }
  ~Process() {
    if (info_.hProcess == nullptr) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(info_.hProcess, 9);
      WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
  bool started() const { return info_.hProcess != nullptr; }
  // Returns true when the process has ended within `deadline_ms`.
  bool WaitForExit(int deadline_ms) const {
    return WaitForSingleObject(info_.hProcess, deadline_ms) == WAIT_OBJECT_0;
  }

 private:
  PROCESS_INFORMATION info_ = {};
};

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

class CompanionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    log_ = (fs::temp_directory_path() /
            ("zelmar-host-" + std::to_string(GetCurrentProcessId()) + ".log"))
               .string();
    fs::remove(log_);
  }
  void TearDown() override {
    if (host_window_ != nullptr) PostMessageA(host_window_, WM_CLOSE, 0, 0);
    if (host_ != nullptr) host_->WaitForExit(5000);
    fs::remove(log_);
  }

  void StartHost(bool mode_null = false) {
    host_ =
        std::make_unique<Process>(Quoted(STAND_IN_HOST) + " " + Quoted(log_) +
                                  (mode_null ? " --mode-null" : ""));
    ASSERT_TRUE(host_->started());
    host_window_ =
        WaitForWindow("Afx:400000:b:10011:6:stand-in", "Stand-in host", 20000);
    ASSERT_NE(host_window_, nullptr) << "the stand-in host did not start";
  }

  std::unique_ptr<Process> StartCompanion() {
    return std::make_unique<Process>(Quoted(TAMRIK_EXE));
  }

  // The macro texts the host received, without the focus marks.
  std::vector<std::string> Macros() const {
    std::vector<std::string> lines;
    std::ifstream in(log_);
    for (std::string line; std::getline(in, line);) {
      if (line != "<FOREGROUND>") lines.push_back(line);
    }
    return lines;
  }

  // Waits up to `deadline_ms` for the host to have received `count` texts.
  std::vector<std::string> WaitForMacros(size_t count, int deadline_ms) {
    for (int waited = 0; waited < deadline_ms; waited += 50) {
      if (Macros().size() >= count) break;
      Sleep(50);
    }
    return Macros();
  }

  HWND Button(HWND form, const char* caption) {
    return FindWindowExA(form, nullptr, "BUTTON", caption);
  }

  std::string log_;
  std::unique_ptr<Process> host_;
  HWND host_window_ = nullptr;
};

TEST_F(CompanionTest, StartsOnTopAndSwitchesToCw) {
  StartHost();
  auto companion = StartCompanion();
  HWND form = WaitForWindow(kCompanionClass, kCompanionCaption, 20000);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(WaitForMacros(2, 5000), kStartUp);
  EXPECT_TRUE(GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_TOPMOST);
  const LONG style = GetWindowLongA(form, GWL_STYLE);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  RECT client;
  GetClientRect(form, &client);
  EXPECT_EQ(client.right, MulDiv(2790, dpi, 1440));
  EXPECT_EQ(client.bottom, MulDiv(600, dpi, 1440));
  // CW, SSB, RTTY from left to right.
  RECT cw, ssb, rtty;
  ASSERT_TRUE(GetWindowRect(Button(form, "CW"), &cw));
  ASSERT_TRUE(GetWindowRect(Button(form, "SSB"), &ssb));
  ASSERT_TRUE(GetWindowRect(Button(form, "RTTY"), &rtty));
  EXPECT_LT(cw.left, ssb.left);
  EXPECT_LT(ssb.left, rtty.left);
  if (const char* shots = std::getenv("ZELMAR_SCREENSHOTS")) {
    Sleep(300);
    zelmar_test::SaveWindowBitmap(form, std::string(shots) + "\\companion.bmp");
  }
}

TEST_F(CompanionTest, ButtonsSendTheirTexts) {
  StartHost();
  auto companion = StartCompanion();
  HWND form = WaitForWindow(kCompanionClass, kCompanionCaption, 20000);
  ASSERT_NE(form, nullptr);
  WaitForMacros(2, 5000);
  struct Click {
    const char* button;
    std::vector<std::string> texts;
  };
  const Click clicks[] = {
      {"SSB", {"<MODE:SSB>", "<MODEMACROS:.\\PLUGINS\\Zelmar_SSB.mc>"}},
      {"RTTY", {"<MODE:RTTY>", "<MODEMACROS:.\\PLUGINS\\Zelmar_RTTY.mc>"}},
      {"CW", kStartUp},
  };
  std::vector<std::string> expected = kStartUp;
  for (const Click& click : clicks) {
    PostMessageA(Button(form, click.button), BM_CLICK, 0, 0);
    expected.insert(expected.end(), click.texts.begin(), click.texts.end());
    EXPECT_EQ(WaitForMacros(expected.size(), 5000), expected) << click.button;
  }
}

TEST_F(CompanionTest, NullModeKeepsRtty) {
  StartHost(/*mode_null=*/true);
  auto companion = StartCompanion();
  HWND form = WaitForWindow(kCompanionClass, kCompanionCaption, 20000);
  ASSERT_NE(form, nullptr);
  WaitForMacros(2, 5000);
  PostMessageA(Button(form, "RTTY"), BM_CLICK, 0, 0);
  PostMessageA(Button(form, "SSB"), BM_CLICK, 0, 0);
  EXPECT_EQ(WaitForMacros(4, 5000),
            (std::vector<std::string>{
                "<MODE:CW>", "<MODEMACROS:.\\PLUGINS\\Zelmar_CW.mc>",
                "<MODE:SSB>", "<MODEMACROS:.\\PLUGINS\\Zelmar_SSB.mc>"}));
}

TEST_F(CompanionTest, OneCopyAtATime) {
  StartHost();
  auto first = StartCompanion();
  HWND form = WaitForWindow(kCompanionClass, kCompanionCaption, 20000);
  ASSERT_NE(form, nullptr);
  auto second = StartCompanion();
  EXPECT_TRUE(second->WaitForExit(10000)) << "the second copy kept running";
  EXPECT_TRUE(IsWindow(form));

  PostMessageA(form, WM_CLOSE, 0, 0);
  EXPECT_TRUE(first->WaitForExit(10000));
  auto third = StartCompanion();
  EXPECT_NE(WaitForWindow(kCompanionClass, kCompanionCaption, 20000), nullptr)
      << "a new copy did not start after the first ended";
}

TEST_F(CompanionTest, EndsWhenTheHostGoes) {
  StartHost();
  auto companion = StartCompanion();
  HWND form = WaitForWindow(kCompanionClass, kCompanionCaption, 20000);
  ASSERT_NE(form, nullptr);
  PostMessageA(host_window_, WM_CLOSE, 0, 0);
  host_window_ = nullptr;
  EXPECT_TRUE(WaitUntilGone(form, 1500)) << "still there after 1.5 s";
  EXPECT_TRUE(companion->WaitForExit(5000));
}

TEST_F(CompanionTest, NoHostSaysSoAndEnds) {
  auto companion = StartCompanion();
  HWND box = WaitForWindow("#32770", nullptr, 20000);
  ASSERT_NE(box, nullptr) << "no message box";
  std::string text;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (WindowText(child) == "MixW2 is not loaded") text = WindowText(child);
  }
  EXPECT_EQ(text, "MixW2 is not loaded");
  EXPECT_EQ(WaitForWindow(kCompanionClass, kCompanionCaption, 0), nullptr);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(companion->WaitForExit(10000));
}

}  // namespace
