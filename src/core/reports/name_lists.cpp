#include "core/reports/name_lists.h"

#include "core/text/text_routines.h"

namespace vdbq {

std::string CommaWrapped(std::string_view text) {
  std::string wrapped;
  wrapped.reserve(text.size() + 2);
  wrapped += ',';
  wrapped.append(text);
  wrapped += ',';
  return wrapped;
}

CommaItemSet::CommaItemSet(std::string_view text) : text_(text) {
  for (;;) {
    const size_t comma = text.find(',');
    items_.insert(text.substr(0, comma));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
}

bool CommaItemSet::Has(std::string_view name) const {
  // A name holding a comma spans items; only the text itself can answer for it.
  if (name.find(',') != std::string_view::npos) {
    return Contains(CommaWrapped(text_), CommaWrapped(name));
  }
  return items_.contains(name);
}

}  // namespace vdbq
