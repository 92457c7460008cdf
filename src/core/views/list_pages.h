#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"

namespace vdbq {

// The parameter page or the prompt page: its list shows every row of ParameterList or
// PromptList; the page keeps the title, the selected row and the value of the selected entry.
struct NameListPage {
  std::string Name;         // LabPar, LabPro
  long long Selected = -1;  // index into the list, -1 before any row was selected
  std::string Description;
};

// Title = selectedName; the first row of that name becomes the selected row and its value the
// description. When no row has the name, selection and description stay as they were.
void ShowParameter(const ExtractStore& store, const Catalogue& catalogue,
                   std::string_view selectedName, NameListPage& page);
void ShowPrompt(const ExtractStore& store, const Catalogue& catalogue,
                std::string_view selectedName, NameListPage& page);

// A click on row `row` of the list: the row's name goes into the title and is returned for the
// clipboard; the row becomes the selected one and its value the description. A click that selects
// no row (out of range) changes nothing and returns nothing.
std::optional<std::string> ClickParameterRow(const ExtractStore& store, long long row,
                                             NameListPage& page);
std::optional<std::string> ClickPromptRow(const ExtractStore& store, long long row,
                                          NameListPage& page);

// The index of the first row named `name`, or -1.
long long FindNamedRow(const std::vector<NameValue>& rows, std::string_view name);

}  // namespace vdbq
