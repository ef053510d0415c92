// Registry seam of the port I/O library: keys under HKEY_LOCAL_MACHINE,
// addressed by their full path. The Windows implementation is the real
// registry; tests elsewhere use an in-memory one that can refuse any step.
#ifndef PORTIO_PLATFORM_MACHINE_REGISTRY_H
#define PORTIO_PLATFORM_MACHINE_REGISTRY_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace portio {

// Value types, numbered as the registry numbers them.
enum class RegistryType : uint32_t { String = 1, ExpandString = 2, Dword = 4 };

using RegistryKey = std::uintptr_t;

class MachineRegistry {
 public:
  virtual ~MachineRegistry() = default;

  // Creates the key (and any missing parents) or opens it, with full access.
  virtual bool CreateKey(const std::string &path, RegistryKey &key, bool &created) = 0;
  // Opens an existing key; for_writing asks for full access, else read access.
  virtual bool OpenKey(const std::string &path, bool for_writing, RegistryKey &key) = 0;
  virtual bool SetValue(RegistryKey key, const std::string &name, RegistryType type,
                        const void *data, std::size_t size) = 0;
  virtual void CloseKey(RegistryKey key) = 0;
  // Deletes one key; fails when it does not exist or still has subkeys.
  virtual bool DeleteKey(const std::string &path) = 0;
  // Deletes a key with all its subkeys.
  virtual bool DeleteTree(const std::string &path) = 0;
};

MachineRegistry &PlatformMachineRegistry();
MachineRegistry &ActiveMachineRegistry();
void SetMachineRegistry(MachineRegistry *registry);  // null restores the platform's

}  // namespace portio

#endif
