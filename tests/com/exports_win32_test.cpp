// com.dll as both programs bind it: every export by name and by its fixed ordinal.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

struct Export {
  const char *name;
  WORD ordinal;
};

const Export kExports[] = {
    {"InitCommunication", 1}, {"CloseCommunication", 2}, {"ChangeBaud", 3},
    {"ChangeProtocole", 4},   {"EmissionTrame", 5},      {"EmissionTrameVST", 6},
    {"ReceptionTrame", 7},    {"Genere_Header", 8},      {"UnBuild_Secs2", 9},
    {"Extract_Next_Item", 10}, {"Build_Secs2", 11},
};

TEST(ComExports, EveryExportResolvesByNameAndOrdinalToTheSameCode) {
  HMODULE com = LoadLibraryA("com.dll");
  ASSERT_NE(com, nullptr);
  for (const Export &e : kExports) {
    FARPROC by_name = GetProcAddress(com, e.name);
    FARPROC by_ordinal = GetProcAddress(com, MAKEINTRESOURCEA(e.ordinal));
    EXPECT_NE(by_name, nullptr) << e.name;
    EXPECT_EQ(by_name, by_ordinal) << e.name << " @" << e.ordinal;
  }
  EXPECT_EQ(GetProcAddress(com, MAKEINTRESOURCEA(12)), nullptr);
  EXPECT_EQ(GetProcAddress(com, "EmissionTrame@8"), nullptr);
  FreeLibrary(com);
}

}  // namespace
