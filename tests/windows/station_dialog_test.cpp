// The real station dialog inside ResetStats0 of the built Stats.dll, driven
// as an operator would: the boxes filled (a two-line address typed with
// Enter), a category picked, then OK, CANCEL, Esc or the close box. The
// settings file, the Cabrillo log and the results show what was kept.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "stats/station/station_dialog_ids.h"
#include "stats/stats.h"
#include "tests/windows/window_tools.h"

namespace {

namespace fs = std::filesystem;
using zelmar_test::WaitForWindow;
using zelmar_test::WindowText;

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

class StationDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    dir_ = fs::temp_directory_path() /
           ("zelmar-dialog-" + std::to_string(GetCurrentProcessId()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "Plugins");
    fs::current_path(dir_);
    dll_ = LoadLibraryA(STATS_DLL);
    ASSERT_NE(dll_, nullptr);
    reset_ = reinterpret_cast<decltype(&ResetStats0)>(
        reinterpret_cast<void*>(GetProcAddress(dll_, "ResetStats0")));
    result_ = reinterpret_cast<decltype(&GetResult0)>(
        reinterpret_cast<void*>(GetProcAddress(dll_, "GetResult0")));
  }
  void TearDown() override {
    if (dll_ != nullptr) FreeLibrary(dll_);
    fs::current_path(previous_);
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  // Runs ResetStats0 with the log flag on the host's thread while `operate`
  // works the dialog; returns the reset's result.
  int ResetWithDialog(const std::function<void(HWND)>& operate) {
    int result = 0;
    std::thread host([&] {
      COleDateTime none{0.0, 0};
      result = reset_("", 1, "UA3A/P", &none, &none, "", "", "", "", "", "", "",
                      "", "", "", 0, 0, 0, 0.0, 0.0, "", "", "");
    });
    HWND dialog = WaitForWindow("#32770", "ZELMAR TEST", 20000);
    if (dialog == nullptr) {
      ADD_FAILURE() << "the station dialog did not appear";
      host.detach();
      return -100;
    }
    operate(dialog);
    if (!zelmar_test::WaitUntilGone(dialog, 10000)) {
      ADD_FAILURE() << "the dialog did not close";
      EndDialog(dialog, 2);
    }
    host.join();
    return result;
  }

  fs::path previous_, dir_;
  HMODULE dll_ = nullptr;
  decltype(&ResetStats0) reset_ = nullptr;
  decltype(&GetResult0) result_ = nullptr;
};

void Type(HWND edit, const std::string& keys) {
  for (char c : keys) SendMessageA(edit, WM_CHAR, static_cast<BYTE>(c), 0);
}

TEST_F(StationDialogTest, OkSavesWhatWasTyped) {
  const int result = ResetWithDialog([](HWND dialog) {
    auto item = [&](int id) { return GetDlgItem(dialog, id); };
    EXPECT_EQ(WindowText(item(IDC_CALLSIGN)), "UA3A/P");
    EXPECT_EQ(WindowText(item(IDC_OPERATORS)), "UA3A/P");
    EXPECT_EQ(WindowText(item(IDC_CONTEST)), "ZELMAR TEST");
    EXPECT_EQ(WindowText(item(IDC_CATEGORY)), "SOSB MIX-LP");
    EXPECT_EQ(SendMessageA(item(IDC_CATEGORY), CB_GETCOUNT, 0, 0), 5);
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &gui);
    EXPECT_EQ(gui.hwndFocus, item(IDC_SOAPBOX));  // the first tab stop

    SetWindowTextA(item(IDC_NAME), "Ivan Petrov");
    Type(item(IDC_ADDRESS), "Street 1\rTown");  // Enter breaks the line
    SetWindowTextA(item(IDC_CLUB), "Zelmar RC");
    SetWindowTextA(item(IDC_EMAIL), "ua3a@example.org");
    SetWindowTextA(item(IDC_SOAPBOX), "Thanks");
    SendMessageA(item(IDC_CATEGORY), CB_SETCURSEL, 3, 0);
    EXPECT_EQ(WindowText(item(IDC_ADDRESS)), "Street 1\r\nTown");
    if (const char* shots = std::getenv("ZELMAR_SCREENSHOTS")) {
      Sleep(300);
      zelmar_test::SaveWindowBitmap(
          dialog, std::string(shots) + "\\station-dialog.bmp");
    }
    PostMessageA(item(IDOK), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(Bytes("Plugins/LUMKA.ini"),
            "[Settings]\r\nOperators=UA3A/P\r\nName=Ivan Petrov\r\n"
            "Address=Street 1<CR><LF>Town\r\nCategory=SOSB-RTTY-LP\r\n"
            "Contest=ZELMAR TEST\r\nEmail=ua3a@example.org\r\n"
            "Club=Zelmar RC\r\nSoapBox=Thanks\r\n");
  int score = 0;
  result_(&score);
  EXPECT_EQ(score, -1);
  const std::string log = Bytes("UA3A_P.cbr");
  EXPECT_NE(log.find("CALLSIGN: UA3A/P\r\nCATEGORY: SOSB-RTTY-LP\r\n"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("NAME: Ivan Petrov\r\nADDRESS: Street 1\r\n"
                     "ADDRESS: Town\r\nOPERATORS: UA3A/P\r\n"),
            std::string::npos)
      << log;
  EXPECT_NE(Bytes("Plugins/LUMKA.ini").find("Claimed=0\r\n"),
            std::string::npos);
}

struct Closing {
  const char* name;
  void (*close)(HWND dialog);
};

class StationDialogCloseTest : public StationDialogTest,
                               public ::testing::WithParamInterface<Closing> {};

TEST_P(StationDialogCloseTest, KeepsNothing) {
  const int result = ResetWithDialog([](HWND dialog) {
    SetWindowTextA(GetDlgItem(dialog, IDC_NAME), "dropped");
    GetParam().close(dialog);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(Bytes("Plugins/LUMKA.ini"), "<missing>");
  int score = 0;
  result_(&score);
  EXPECT_EQ(score, -1);  // the log flag stays set after a cancel
  EXPECT_NE(Bytes("UA3A_P.cbr").find("NAME: \r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, StationDialogCloseTest,
    ::testing::Values(Closing{"CancelButton",
                              [](HWND d) {
                                PostMessageA(GetDlgItem(d, IDCANCEL), BM_CLICK,
                                             0, 0);
                              }},
                      Closing{"EscapeKey",
                              [](HWND d) {
                                PostMessageA(GetDlgItem(d, IDC_SOAPBOX),
                                             WM_KEYDOWN, VK_ESCAPE, 0);
                              }},
                      Closing{"CloseBox",
                              [](HWND d) {
                                PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0);
                              }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
