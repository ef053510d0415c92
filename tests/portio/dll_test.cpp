// The built portio.dll: every export found by its plain name, none by a
// decorated one, and calls crossing the __stdcall boundary with their
// arguments intact (the 93-byte description by value included).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "portio/portio.h"

namespace {

const char *const kExports[] = {
    "Is_Windows_95", "Registry",   "UnRegistry", "LoadDriver", "UnLoadDriver", "LoadService",
    "UnloadService", "OpenDevice32", "CloseDevice32", "InPortB32", "InPortW32", "InPortL32",
    "OutPortB32",    "OutPortW32", "OutPortL32", "InMemB32",   "InMemW32",     "InMemL32",
    "OutMemB32",     "OutMemW32",  "OutMemL32",
};

const std::string kDriver = "SYSTEM\\CurrentControlSet\\Services\\WinRT";
const std::string kEventLogDriver = "SYSTEM\\CurrentControlSet\\Services\\EventLog\\System\\WinRT";

class PortioDll : public ::testing::Test {
 protected:
  void SetUp() override {
    library = LoadLibraryA(PORTIO_DLL);
    ASSERT_NE(library, nullptr) << "cannot load " << PORTIO_DLL << ": " << GetLastError();
  }
  void TearDown() override {
    if (library) FreeLibrary(library);
  }

  template <typename Function>
  Function Export(const char *name) {
    return reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(library, name)));
  }

  HMODULE library = nullptr;
};

TEST_F(PortioDll, ExportsEveryFunctionByItsPlainName) {
  for (const char *name : kExports) EXPECT_NE(Export<FARPROC>(name), nullptr) << name;
  EXPECT_EQ(Export<FARPROC>("Registry@96"), nullptr);
  EXPECT_EQ(Export<FARPROC>("_OutPortB32@12"), nullptr);
}

TEST_F(PortioDll, CallsCrossTheBoundaryWithTheirArguments) {
  auto is_95 = Export<uint8_t(__stdcall *)()>("Is_Windows_95");
  auto open = Export<void *(__stdcall *)(uint8_t, int32_t)>("OpenDevice32");
  auto in_word = Export<uint16_t(__stdcall *)(void *, uint32_t)>("InPortW32");
  auto out_byte = Export<int32_t(__stdcall *)(void *, uint32_t, uint8_t)>("OutPortB32");
  auto unregister = Export<uint8_t(__stdcall *)(int32_t)>("UnRegistry");
  ASSERT_TRUE(is_95 && open && in_word && out_byte && unregister);

  EXPECT_EQ(is_95(), 0);
  EXPECT_EQ(open(12, 0), PORTIO_INVALID_HANDLE);
  EXPECT_EQ(in_word(PORTIO_INVALID_HANDLE, 0x300), 0);
  EXPECT_EQ(out_byte(PORTIO_INVALID_HANDLE, 0x378, 0xAB), 0);
  EXPECT_EQ(unregister(250), 0);
}

// With the driver keys in place no box appears, so the call runs unattended.
TEST_F(PortioDll, DescriptionPassedByValueReachesTheRegistry) {
  for (const std::string &key : {kDriver, kEventLogDriver}) {
    HKEY created;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &created, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(created);
  }
  auto registry = Export<uint8_t(__stdcall *)(_REGISTRY)>("Registry");
  auto unregister = Export<uint8_t(__stdcall *)(int32_t)>("UnRegistry");
  ASSERT_TRUE(registry && unregister);

  _REGISTRY r;
  std::memset(&r, 0, sizeof(r));
  r.device = 251;
  r.io_port_address = 0x12345678;
  r.io_port_count = 0x9A;
  r.write_ports = 1;
  r.memory_address = 0xCAFEF00D;
  r.memory_count = 0x7F;
  r.write_memory = 1;
  EXPECT_EQ(registry(r), 1);

  HKEY section;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, (kDriver + "\\WinRTdev251\\Parameters\\Section0").c_str(),
                          0, KEY_READ, &section),
            ERROR_SUCCESS);
  const std::pair<const char *, DWORD> expected[] = {{"IoPortAddress", 0x12345678},
                                                     {"IoPortCount", 0x9A},
                                                     {"MemoryAddress", 0xCAFEF00D},
                                                     {"MemoryCount", 0x7F}};
  for (const auto &[name, value] : expected) {
    DWORD data = 0, size = sizeof(data);
    EXPECT_EQ(RegQueryValueExA(section, name, nullptr, nullptr, reinterpret_cast<BYTE *>(&data), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(data, value) << name;
  }
  RegCloseKey(section);
  EXPECT_EQ(unregister(251), 1);
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kEventLogDriver.c_str());
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kDriver.c_str());
}

}  // namespace
