#pragma once

#include <string>
#include <string_view>

namespace vdbq {

// The two halves of a WORKSTATION#NAME key, split at its first "#". A key without "#" has no
// workstation and is all name, as the listings show it.
struct KeyParts {
  std::string Workstation;
  std::string Name;
};

inline KeyParts SplitKey(std::string_view key) {
  const size_t hash = key.find('#');
  if (hash == std::string_view::npos) return {std::string(), std::string(key)};
  return {std::string(key.substr(0, hash)), std::string(key.substr(hash + 1))};
}

// The same halves as views into the key.
struct KeyViews {
  std::string_view Workstation;
  std::string_view Name;
};

inline KeyViews SplitKeyView(std::string_view key) {
  const size_t hash = key.find('#');
  if (hash == std::string_view::npos) return {{}, key};
  return {key.substr(0, hash), key.substr(hash + 1)};
}

}  // namespace vdbq
