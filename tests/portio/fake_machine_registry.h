// An in-memory HKEY_LOCAL_MACHINE for tests: keys by path (case-insensitive),
// values in writing order, open handles counted, and any step can be made to
// fail.
#ifndef TESTS_PORTIO_FAKE_MACHINE_REGISTRY_H
#define TESTS_PORTIO_FAKE_MACHINE_REGISTRY_H

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/machine_registry.h"

namespace portio_test {

struct StoredValue {
  std::string name;
  portio::RegistryType type;
  std::string bytes;
};

class FakeMachineRegistry : public portio::MachineRegistry {
 public:
  bool CreateKey(const std::string &path, portio::RegistryKey &key, bool &created) override;
  bool OpenKey(const std::string &path, bool for_writing, portio::RegistryKey &key) override;
  bool SetValue(portio::RegistryKey key, const std::string &name, portio::RegistryType type,
                const void *data, std::size_t size) override;
  void CloseKey(portio::RegistryKey key) override;
  bool DeleteKey(const std::string &path) override;
  bool DeleteTree(const std::string &path) override;

  void AddKey(const std::string &path);
  bool HasKey(const std::string &path) const;
  // Values of a key in the order they were first written; empty for no key.
  std::vector<StoredValue> Values(const std::string &path) const;
  const StoredValue *Value(const std::string &path, const std::string &name) const;
  std::size_t OpenHandles() const { return handles_.size(); }
  // "create <path>", "open <path>", "set <path>|<name>", "delete <path>", "tree <path>".
  const std::vector<std::string> &Log() const { return log_; }

  // Failures to play: the attempt-th creation of a key (1 = first; 0 = every
  // one), every opening of a key, every write of a value name.
  void FailCreate(const std::string &path, int attempt = 0);
  void FailOpen(const std::string &path);
  void FailSet(const std::string &name);

 private:
  static std::string Normal(const std::string &path);
  bool HasSubkeys(const std::string &normal) const;

  std::map<std::string, std::vector<StoredValue>> keys_;
  std::map<portio::RegistryKey, std::string> handles_;
  portio::RegistryKey next_handle_ = 0x100;
  std::map<std::string, int> create_attempts_;
  std::map<std::string, int> failing_creates_;
  std::set<std::string> failing_opens_;
  std::set<std::string> failing_sets_;
  std::vector<std::string> log_;
};

}  // namespace portio_test

#endif
