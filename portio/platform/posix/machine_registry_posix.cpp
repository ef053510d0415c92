// The registry seam outside Windows: there is no machine registry, so every
// step fails and nothing is written anywhere.
#include "../machine_registry.h"

namespace portio {

namespace {

class AbsentMachineRegistry : public MachineRegistry {
 public:
  bool CreateKey(const std::string &, RegistryKey &, bool &) override { return false; }
  bool OpenKey(const std::string &, bool, RegistryKey &) override { return false; }
  bool SetValue(RegistryKey, const std::string &, RegistryType, const void *,
                std::size_t) override {
    return false;
  }
  void CloseKey(RegistryKey) override {}
  bool DeleteKey(const std::string &) override { return false; }
  bool DeleteTree(const std::string &) override { return false; }
};

}  // namespace

MachineRegistry &PlatformMachineRegistry() {
  static AbsentMachineRegistry registry;
  return registry;
}

}  // namespace portio
