// Registry seam: string values under one key of the current user's hive.
// Windows uses the system registry; elsewhere a process-wide store in memory
// stands in, so rule code and its tests run anywhere.
#ifndef PLATFORM_REGISTRY_H
#define PLATFORM_REGISTRY_H

#include <map>
#include <memory>
#include <string>

namespace platform {

class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // False when the value is missing or not a string; `value` is then left alone.
  virtual bool ReadString(const std::string &name, std::string &value) = 0;
  virtual bool WriteString(const std::string &name, const std::string &value) = 0;
};

// Opens the key `path` under the current user's hive, creating it when missing;
// null when it can be neither opened nor created.
std::unique_ptr<RegistryKey> OpenUserKey(const std::string &path);

// A key held in memory: the stand-in outside Windows and the tests' registry.
class MemoryRegistryKey : public RegistryKey {
 public:
  bool ReadString(const std::string &name, std::string &value) override;
  bool WriteString(const std::string &name, const std::string &value) override;
  const std::map<std::string, std::string> &Values() const { return values_; }

 private:
  std::map<std::string, std::string> values_;
};

}  // namespace platform

#endif
