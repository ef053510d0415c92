#include "platform/registry.h"

namespace platform {

bool MemoryRegistryKey::ReadString(const std::string &name, std::string &value) {
  const auto found = values_.find(name);
  if (found == values_.end()) return false;
  value = found->second;
  return true;
}

bool MemoryRegistryKey::WriteString(const std::string &name, const std::string &value) {
  values_[name] = value;
  return true;
}

}  // namespace platform
