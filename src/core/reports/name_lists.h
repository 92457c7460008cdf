#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace vdbq {

// "," + text + ",": the form in which names are looked up in comma-separated lists.
std::string CommaWrapped(std::string_view text);

// Calls visit(name) for field 1, 2, ... of a comma-separated name list, up to its first empty
// field; a list written as names each followed by a comma therefore ends at its last name.
template <typename Visit>
void ForEachListedName(std::string_view list, Visit&& visit) {
  for (;;) {
    const size_t comma = list.find(',');
    const std::string_view name = list.substr(0, comma);
    if (name.empty()) return;
    visit(name);
    if (comma == std::string_view::npos) return;
    list.remove_prefix(comma + 1);
  }
}

// Answers whether "," + name + "," occurs in "," + text + "," from the text's comma-separated
// items, split once, so that checking every object of a category against one text stays
// linear. The text must outlive the object.
class CommaItemSet {
 public:
  explicit CommaItemSet(std::string_view text);
  CommaItemSet(const CommaItemSet&) = delete;
  CommaItemSet& operator=(const CommaItemSet&) = delete;

  bool Has(std::string_view name) const;

 private:
  std::string_view text_;
  std::unordered_set<std::string_view> items_;
};

}  // namespace vdbq
