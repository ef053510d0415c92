#include "version_info.h"

#include <windows.h>

#include <vector>

#include "main_rules.h"

std::string GetFileVersionText(const char *fileName) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(fileName, &ignored);
  if (size == 0) return std::string();
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(fileName, 0, size, data.data())) return std::string();
  WORD *translation = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void **>(&translation),
                      &length) ||
      length < 2 * sizeof(WORD)) {
    return std::string();
  }
  const std::string key = diag::FileVersionKey(translation[0], translation[1]);
  char *text = nullptr;
  if (!VerQueryValueA(data.data(), key.c_str(), reinterpret_cast<void **>(&text), &length) || !text) {
    return std::string();
  }
  return std::string(text);
}
