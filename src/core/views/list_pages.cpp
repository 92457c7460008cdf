#include "core/views/list_pages.h"

namespace vdbq {
namespace {

void ShowNamedRow(const std::vector<NameValue>& rows, std::string_view selectedName,
                  NameListPage& page) {
  page.Name = std::string(selectedName);
  const long long row = FindNamedRow(rows, selectedName);
  if (row < 0) return;
  page.Selected = row;
  page.Description = rows[static_cast<size_t>(row)].Value;
}

// The description follows the row the title names, so the page never shows one entry's name
// with another entry's text.
std::optional<std::string> ClickRow(const std::vector<NameValue>& rows, long long row,
                                    NameListPage& page) {
  if (row < 0 || row >= static_cast<long long>(rows.size())) return std::nullopt;
  page.Name = rows[static_cast<size_t>(row)].Name;
  page.Selected = row;
  page.Description = rows[static_cast<size_t>(row)].Value;
  return page.Name;
}

}  // namespace

long long FindNamedRow(const std::vector<NameValue>& rows, std::string_view name) {
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].Name == name) return static_cast<long long>(i);
  }
  return -1;
}

void ShowParameter(const ExtractStore& store, const Catalogue& /*catalogue*/,
                   std::string_view selectedName, NameListPage& page) {
  ShowNamedRow(store.ParameterList, selectedName, page);
}

void ShowPrompt(const ExtractStore& store, const Catalogue& /*catalogue*/,
                std::string_view selectedName, NameListPage& page) {
  ShowNamedRow(store.PromptList, selectedName, page);
}

std::optional<std::string> ClickParameterRow(const ExtractStore& store, long long row,
                                             NameListPage& page) {
  return ClickRow(store.ParameterList, row, page);
}

std::optional<std::string> ClickPromptRow(const ExtractStore& store, long long row,
                                          NameListPage& page) {
  return ClickRow(store.PromptList, row, page);
}

}  // namespace vdbq
