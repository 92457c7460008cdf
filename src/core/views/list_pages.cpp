#include "core/views/list_pages.h"

namespace vdbq {
namespace {

template <typename Page>
void ShowNamedRow(const std::vector<NameValue>& rows, std::string_view selectedName,
                  std::string& title, Page& page) {
  title = std::string(selectedName);
  const long long row = FindNamedRow(rows, selectedName);
  if (row < 0) return;
  page.Selected = row;
  page.Description = rows[static_cast<size_t>(row)].Value;
}

// The description follows the row the title names, so the page never shows one entry's name
// with another entry's text.
template <typename Page>
std::optional<std::string> ClickRow(const std::vector<NameValue>& rows, long long row,
                                    std::string& title, Page& page) {
  if (row < 0 || row >= static_cast<long long>(rows.size())) return std::nullopt;
  title = rows[static_cast<size_t>(row)].Name;
  page.Selected = row;
  page.Description = rows[static_cast<size_t>(row)].Value;
  return title;
}

}  // namespace

long long FindNamedRow(const std::vector<NameValue>& rows, std::string_view name) {
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].Name == name) return static_cast<long long>(i);
  }
  return -1;
}

void ShowParameter(const ExtractStore& store, const Catalogue& /*catalogue*/,
                   std::string_view selectedName, ParameterPage& page) {
  ShowNamedRow(store.ParameterList, selectedName, page.Name, page);
}

void ShowPrompt(const ExtractStore& store, const Catalogue& /*catalogue*/,
                std::string_view selectedName, PromptPage& page) {
  ShowNamedRow(store.PromptList, selectedName, page.Name, page);
}

std::optional<std::string> ClickParameterRow(const ExtractStore& store, long long row,
                                             ParameterPage& page) {
  return ClickRow(store.ParameterList, row, page.Name, page);
}

std::optional<std::string> ClickPromptRow(const ExtractStore& store, long long row,
                                          PromptPage& page) {
  return ClickRow(store.PromptList, row, page.Name, page);
}

}  // namespace vdbq
