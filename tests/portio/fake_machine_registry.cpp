#include "fake_machine_registry.h"

#include <algorithm>
#include <cctype>

namespace portio_test {

std::string FakeMachineRegistry::Normal(const std::string &path) {
  std::string normal = path;
  while (!normal.empty() && normal.back() == '\\') normal.pop_back();
  std::transform(normal.begin(), normal.end(), normal.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return normal;
}

// Subkeys of a key sort together, between "key\" and "key]" ('\\' + 1).
bool FakeMachineRegistry::HasSubkeys(const std::string &normal) const {
  return keys_.lower_bound(normal + "\\") != keys_.lower_bound(normal + "]");
}

bool FakeMachineRegistry::CreateKey(const std::string &path, portio::RegistryKey &key,
                                    bool &created) {
  log_.push_back("create " + path);
  const std::string normal = Normal(path);
  const int attempt = ++create_attempts_[normal];
  auto failing = failing_creates_.find(normal);
  if (failing != failing_creates_.end() && (failing->second == 0 || failing->second == attempt))
    return false;
  created = !HasKey(path);
  for (std::size_t cut = normal.find('\\'); cut != std::string::npos;
       cut = normal.find('\\', cut + 1)) {
    keys_[normal.substr(0, cut)];
  }
  keys_[normal];
  key = next_handle_++;
  handles_[key] = normal;
  return true;
}

bool FakeMachineRegistry::OpenKey(const std::string &path, bool, portio::RegistryKey &key) {
  log_.push_back("open " + path);
  const std::string normal = Normal(path);
  if (failing_opens_.count(normal) || !keys_.count(normal)) return false;
  key = next_handle_++;
  handles_[key] = normal;
  return true;
}

bool FakeMachineRegistry::SetValue(portio::RegistryKey key, const std::string &name,
                                   portio::RegistryType type, const void *data, std::size_t size) {
  auto handle = handles_.find(key);
  if (handle == handles_.end()) return false;
  log_.push_back("set " + handle->second + "|" + name);
  if (failing_sets_.count(name)) return false;
  auto &values = keys_[handle->second];
  StoredValue stored{name, type, std::string(static_cast<const char *>(data), size)};
  auto same = std::find_if(values.begin(), values.end(),
                           [&name](const StoredValue &v) { return v.name == name; });
  if (same == values.end()) {
    values.push_back(stored);
  } else {
    *same = stored;
  }
  return true;
}

void FakeMachineRegistry::CloseKey(portio::RegistryKey key) { handles_.erase(key); }

bool FakeMachineRegistry::DeleteKey(const std::string &path) {
  log_.push_back("delete " + path);
  const std::string normal = Normal(path);
  if (!keys_.count(normal) || HasSubkeys(normal)) return false;
  keys_.erase(normal);
  return true;
}

bool FakeMachineRegistry::DeleteTree(const std::string &path) {
  log_.push_back("tree " + path);
  const std::string normal = Normal(path);
  if (!keys_.count(normal)) return false;
  keys_.erase(keys_.lower_bound(normal + "\\"), keys_.lower_bound(normal + "]"));
  keys_.erase(normal);
  return true;
}

void FakeMachineRegistry::AddKey(const std::string &path) {
  bool created = false;
  portio::RegistryKey key = 0;
  CreateKey(path, key, created);
  CloseKey(key);
  log_.clear();
  create_attempts_.clear();
}

bool FakeMachineRegistry::HasKey(const std::string &path) const {
  return keys_.count(Normal(path)) != 0;
}

std::vector<StoredValue> FakeMachineRegistry::Values(const std::string &path) const {
  auto key = keys_.find(Normal(path));
  return key == keys_.end() ? std::vector<StoredValue>() : key->second;
}

const StoredValue *FakeMachineRegistry::Value(const std::string &path,
                                              const std::string &name) const {
  auto key = keys_.find(Normal(path));
  if (key == keys_.end()) return nullptr;
  for (const StoredValue &value : key->second) {
    if (value.name == name) return &value;
  }
  return nullptr;
}

void FakeMachineRegistry::FailCreate(const std::string &path, int attempt) {
  failing_creates_[Normal(path)] = attempt;
}

void FakeMachineRegistry::FailOpen(const std::string &path) { failing_opens_.insert(Normal(path)); }

void FakeMachineRegistry::FailSet(const std::string &name) { failing_sets_.insert(name); }

}  // namespace portio_test
