#include "core/settings/settings_store.h"

#include <utility>

namespace vdbq {

MemorySettingsStore::MemorySettingsStore(std::map<std::string, std::string> values)
    : values_(std::move(values)) {}

std::optional<std::string> MemorySettingsStore::Read(const std::string& name) const {
  readNames_.push_back(name);
  auto found = values_.find(name);
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

void MemorySettingsStore::Write(const std::string& name, const std::string& value) {
  writtenNames_.push_back(name);
  values_[name] = value.substr(0, value.find('\0'));
}

}  // namespace vdbq
