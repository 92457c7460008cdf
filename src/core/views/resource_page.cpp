#include "core/views/resource_page.h"

#include "core/text/text_routines.h"
#include "core/views/view_text.h"

namespace vdbq {
namespace {

constexpr const char* kEmptyDescription = "\"\"";

// Reads amount and description of the first resource line keyed selectedName.
void ReadResourceLine(const ExtractStore& store, std::string_view selectedName,
                      ResourcePage& page) {
  const LineList& lines = store.ResourceLines;
  for (long long i = 0; i <= store.ResourceLastLine && i < lines.Count(); ++i) {
    std::string_view line = lines.At(i);
    if (StartsWith(line, "$RESOURCE")) continue;
    const long long tab = Find("\t", line);
    if (Copy(line, 1, tab - 1) != selectedName) continue;
    const std::string rest = TrimBlanks(CopyFrom(line, tab + 1));
    page.LastAmount.assign(1, 'x');
    page.LastAmount += Copy(rest, 1, Find("\t", rest) - 1);
    const std::string description = CopyFrom(rest, Find("\"", rest));
    page.LastDescription = description == kEmptyDescription ? "None" : description;
    return;
  }
}

}  // namespace

void ShowResource(const ExtractStore& store, const Catalogue& /*catalogue*/,
                  std::string_view selectedName, ResourcePage& page) {
  ReadResourceLine(store, selectedName, page);
  const size_t hash = selectedName.find('#');
  ResourceRow row;
  if (hash == std::string_view::npos) {
    row.Resource = std::string(selectedName);
  } else {
    row.Workstation = std::string(selectedName.substr(0, hash));
    row.Resource = std::string(selectedName.substr(hash + 1));
  }
  page.Name = row.Resource;
  page.Workstation = row.Workstation;
  row.Amount = page.LastAmount;
  row.Description = page.LastDescription == kEmptyDescription
                        ? "None"
                        : StripEnclosingQuotes(page.LastDescription);
  page.History.push_front(std::move(row));
  if (page.History.size() > kResourceHistoryLimit) page.History.pop_back();
}

}  // namespace vdbq
