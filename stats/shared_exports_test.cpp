// The shared library exports each function under its plain name and under
// the C++ name of the host's prototypes, at the same address.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "stats/stats_decorated.h"

namespace {

struct NamePair {
  const char* plain;
  void* cxx;  // linked through the C++ prototypes
};

TEST(SharedExportsTest, BothNamesLeadToTheSameFunction) {
  const NamePair pairs[] = {
      {"AddData0", reinterpret_cast<void*>(&::AddData0)},
      {"RemoveData0", reinterpret_cast<void*>(&::RemoveData0)},
      {"CheckCall0", reinterpret_cast<void*>(&::CheckCallFunc0)},
      {"IsValidExchg0", reinterpret_cast<void*>(&::StatsIsValidExchg0)},
      {"GetExchgCount0", reinterpret_cast<void*>(&::StatsGetExchgCount0)},
      {"GetSerialFormat0", reinterpret_cast<void*>(&::GetSerialFormat0)},
      {"GetAllowedSerialFields0",
       reinterpret_cast<void*>(&::GetAllowedSerialFields0)},
      {"GetResult0", reinterpret_cast<void*>(&::GetResult0)},
      {"ResetStats0", reinterpret_cast<void*>(&::ResetStats0)},
      {"GetNumberOfSets", reinterpret_cast<void*>(&::GetNumberOfSets)},
      {"GetSetName", reinterpret_cast<void*>(&::GetSetName)},
      {"SetupSet0", reinterpret_cast<void*>(&::SetupSet0)},
  };
  for (const NamePair& pair : pairs) {
    void* plain = dlsym(RTLD_DEFAULT, pair.plain);
    ASSERT_NE(plain, nullptr) << pair.plain;
    EXPECT_EQ(plain, pair.cxx) << pair.plain;
  }
  EXPECT_EQ(::GetNumberOfSets(), 1);
  EXPECT_STREQ(::GetSetName(0), "ZELMAR TEST");
  EXPECT_EQ(::StatsIsValidExchg0("A01", "", "", "", 0, 0, 0), 1);
}

}  // namespace
