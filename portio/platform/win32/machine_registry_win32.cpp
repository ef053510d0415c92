// The registry seam on Windows: HKEY_LOCAL_MACHINE itself.
#include <windows.h>

#include "../machine_registry.h"

namespace portio {

namespace {

HKEY AsHkey(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

// RegDeleteKey removes subkeys on the Windows 95 family only; walking the tree
// gives the same result on both families without a newer import.
bool DeleteWithSubkeys(HKEY parent, const char *path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(parent, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return false;
  char child[256];
  for (;;) {
    DWORD length = sizeof(child);
    if (RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    if (!DeleteWithSubkeys(key, child)) {
      RegCloseKey(key);
      return false;
    }
  }
  RegCloseKey(key);
  return RegDeleteKeyA(parent, path) == ERROR_SUCCESS;
}

class Win32MachineRegistry : public MachineRegistry {
 public:
  bool CreateKey(const std::string &path, RegistryKey &key, bool &created) override {
    HKEY handle = nullptr;
    DWORD disposition = 0;
    LONG status = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &handle,
                                  &disposition);
    if (status != ERROR_SUCCESS) return false;
    key = reinterpret_cast<RegistryKey>(handle);
    created = disposition == REG_CREATED_NEW_KEY;
    return true;
  }

  bool OpenKey(const std::string &path, bool for_writing, RegistryKey &key) override {
    HKEY handle = nullptr;
    REGSAM rights = for_writing ? KEY_ALL_ACCESS : KEY_READ;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, rights, &handle) != ERROR_SUCCESS)
      return false;
    key = reinterpret_cast<RegistryKey>(handle);
    return true;
  }

  bool SetValue(RegistryKey key, const std::string &name, RegistryType type, const void *data,
                std::size_t size) override {
    return RegSetValueExA(AsHkey(key), name.c_str(), 0, static_cast<DWORD>(type),
                          static_cast<const BYTE *>(data), static_cast<DWORD>(size)) ==
           ERROR_SUCCESS;
  }

  void CloseKey(RegistryKey key) override { RegCloseKey(AsHkey(key)); }

  bool DeleteKey(const std::string &path) override {
    return RegDeleteKeyA(HKEY_LOCAL_MACHINE, path.c_str()) == ERROR_SUCCESS;
  }

  bool DeleteTree(const std::string &path) override {
    return DeleteWithSubkeys(HKEY_LOCAL_MACHINE, path.c_str());
  }
};

}  // namespace

MachineRegistry &PlatformMachineRegistry() {
  static Win32MachineRegistry registry;
  return registry;
}

}  // namespace portio
