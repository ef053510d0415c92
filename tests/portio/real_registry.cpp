#include "real_registry.h"

namespace portio_test {

bool KeyExists(const std::string &path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

DWORD ValueCount(const std::string &path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return ~0u;
  DWORD values = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                   nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return values;
}

bool DeleteTree(const std::string &path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
    return false;
  char child[256];
  DWORD length = sizeof(child);
  bool emptied = true;
  while (emptied && RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) ==
                        ERROR_SUCCESS) {
    emptied = DeleteTree(path + "\\" + child);
    length = sizeof(child);
  }
  RegCloseKey(key);
  return emptied && RegDeleteKeyA(HKEY_LOCAL_MACHINE, path.c_str()) == ERROR_SUCCESS;
}

void RemoveDriverKeys() {
  DeleteTree(kNtDriver);
  DeleteTree(kEventLogDriver);
  DeleteTree(k95Driver);
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kClass.c_str());  // only when left empty
  for (int device = 0; device < 10; ++device) DeleteTree(kVxd + "\\WRTDEV" + std::to_string(device));
}

}  // namespace portio_test
