// The built Stats.dll as the host sees it: loaded with LoadLibrary, every
// export found under both names at one address, and the rule-set message box
// shown and closed.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

struct ExportPair {
  const char* plain;
  const char* decorated;
};

// The 64-bit names of stats_x64.def.
const ExportPair kExports[] = {
    {"AddData0",
     "?AddData0@@YAHPEBD0PEAVCOleDateTime@@111II000000000000000HHHNN00000@Z"},
    {"CheckCall0", "?CheckCallFunc0@@YAHPEBDII00000000000HHHNN0000000PEAD1@Z"},
    {"GetAllowedSerialFields0", "?GetAllowedSerialFields0@@YAPEBDXZ"},
    {"GetNumberOfSets", "?GetNumberOfSets@@YAHXZ"},
    {"GetResult0", "?GetResult0@@YAPEBDPEAH@Z"},
    {"GetSerialFormat0", "?GetSerialFormat0@@YAPEBDPEBD000000000HHHNN000@Z"},
    {"GetSetName", "?GetSetName@@YAPEBDH@Z"},
    {"RemoveData0",
     "?RemoveData0@@YAHPEBD0PEAVCOleDateTime@@111II000000000000000HHHNN00000@"
     "Z"},
    {"ResetStats0",
     "?ResetStats0@@YAHPEBDH0PEAVCOleDateTime@@10000000000HHHNN000@Z"},
    {"SetupSet0", "?SetupSet0@@YAXXZ"},
    {"GetExchgCount0", "?StatsGetExchgCount0@@YAHPEBD00@Z"},
    {"IsValidExchg0", "?StatsIsValidExchg0@@YAHPEBD000HHH@Z"},
};

// Returns the export `name` as a function of type F.
template <typename F>
F Export(HMODULE dll, const char* name) {
  return reinterpret_cast<F>(
      reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

class StatsDllTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dll_ = LoadLibraryA(STATS_DLL);
    ASSERT_NE(dll_, nullptr) << STATS_DLL << " error " << GetLastError();
  }
  void TearDown() override {
    if (dll_ != nullptr) FreeLibrary(dll_);
  }
  HMODULE dll_ = nullptr;
};

TEST_F(StatsDllTest, EveryExportUnderBothNames) {
  for (const ExportPair& e : kExports) {
    const FARPROC plain = GetProcAddress(dll_, e.plain);
    const FARPROC decorated = GetProcAddress(dll_, e.decorated);
    ASSERT_NE(plain, nullptr) << e.plain;
    EXPECT_EQ(plain, decorated) << e.decorated;
  }
  for (int ordinal = 1; ordinal <= 24; ++ordinal) {
    EXPECT_NE(GetProcAddress(dll_, MAKEINTRESOURCEA(ordinal)), nullptr);
  }
  EXPECT_EQ(GetProcAddress(dll_, MAKEINTRESOURCEA(25)), nullptr);

  auto get_set_name = Export<const char* (*)(int)>(dll_, "GetSetName");
  EXPECT_STREQ(get_set_name(0), "ZELMAR TEST");
  EXPECT_STREQ(get_set_name(3), "");
  auto is_valid =
      Export<int (*)(const char*, const char*, const char*, const char*, int,
                     int, int)>(dll_, "IsValidExchg0");
  EXPECT_EQ(is_valid("Q18", "", "", "", 0, 0, 0), 1);
  EXPECT_EQ(is_valid("q18", "", "", "", 0, 0, 0), 0);
}

TEST_F(StatsDllTest, RuleSetMessageBoxShowsAndCloses) {
  auto setup = Export<void (*)()>(dll_, "SetupSet0");
  ASSERT_NE(setup, nullptr);
  std::atomic<bool> returned{false};
  std::thread host([&] {
    setup();
    returned = true;
  });
  // Find the box by its text, close it with its OK button.
  std::string text;
  HWND box = nullptr;
  for (int tries = 0; tries < 400 && box == nullptr; ++tries) {  // 20 s
    Sleep(50);
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
          char cls[64] = "";
          GetClassNameA(window, cls, sizeof cls);
          if (std::string(cls) != "#32770" || !IsWindowVisible(window)) {
            return TRUE;
          }
          *reinterpret_cast<HWND*>(found) = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&box));
  }
  if (box == nullptr) {
    host.detach();  // never hang or abort the whole suite
    FAIL() << "no message box appeared";
  }
  EnumChildWindows(
      box,
      [](HWND child, LPARAM out) -> BOOL {
        char buffer[256] = "";
        GetWindowTextA(child, buffer, sizeof buffer);
        if (std::string(buffer).find("additional") != std::string::npos) {
          *reinterpret_cast<std::string*>(out) = buffer;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&text));
  EXPECT_EQ(text, "No additional setup for this contest");
  EXPECT_FALSE(returned);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  host.join();
  EXPECT_TRUE(returned);
}

}  // namespace
