#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vdbq {

// Where the settings persist between runs: named text values. A store that cannot be opened
// reads as empty and ignores writes.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The value of that name, or nothing when the store holds none.
  virtual std::optional<std::string> Read(const std::string& name) const = 0;
  virtual void Write(const std::string& name, const std::string& value) = 0;
};

// A store in memory that keeps a journal of the names read and written. Like a registry text
// value, a value keeps nothing from its first character 0 on.
class MemorySettingsStore : public SettingsStore {
 public:
  MemorySettingsStore() = default;
  explicit MemorySettingsStore(std::map<std::string, std::string> values);

  std::optional<std::string> Read(const std::string& name) const override;
  void Write(const std::string& name, const std::string& value) override;

  const std::map<std::string, std::string>& Values() const { return values_; }
  const std::vector<std::string>& ReadNames() const { return readNames_; }
  const std::vector<std::string>& WrittenNames() const { return writtenNames_; }

 private:
  std::map<std::string, std::string> values_;
  mutable std::vector<std::string> readNames_;
  std::vector<std::string> writtenNames_;
};

}  // namespace vdbq
