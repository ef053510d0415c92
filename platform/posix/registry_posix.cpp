// Outside Windows there is no registry: each key lives in memory for the life
// of the process, shared by every accessor opened on the same path.
#include <map>

#include "platform/registry.h"

namespace platform {

namespace {

class SharedKey : public RegistryKey {
 public:
  explicit SharedKey(MemoryRegistryKey &store) : store_(store) {}
  bool ReadString(const std::string &name, std::string &value) override { return store_.ReadString(name, value); }
  bool WriteString(const std::string &name, const std::string &value) override {
    return store_.WriteString(name, value);
  }

 private:
  MemoryRegistryKey &store_;
};

}  // namespace

std::unique_ptr<RegistryKey> OpenUserKey(const std::string &path) {
  static std::map<std::string, MemoryRegistryKey> keys;
  return std::make_unique<SharedKey>(keys[path]);
}

}  // namespace platform
