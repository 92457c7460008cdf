#include "core/diff/changes_csv.h"

#include "core/output/csv_text.h"

namespace vdbq {
namespace {

void AppendRow(std::string& text, ObjectKind kind, const std::string& key, const char* change) {
  text += CsvFileField(KindHeading(kind));
  text += ',';
  text += CsvFileField(key);
  text += ',';
  text += change;
  text += "\r\n";
}

}  // namespace

std::string ChangesCsvText(const DatabaseDiff& diff) {
  std::string text = "Kind,Key,Change\r\n";
  for (ObjectKind kind : kObjectKinds) {
    const KindChanges& changes = diff.Of(kind);
    for (const std::string& key : changes.Added) AppendRow(text, kind, key, kAddedText);
    for (const std::string& key : changes.Removed) AppendRow(text, kind, key, kRemovedText);
    for (const ChangedObject& object : changes.Changed) {
      AppendRow(text, kind, object.Key, kChangedText);
    }
  }
  return text;
}

std::string ChangesStatusText(const DatabaseDiff& diff) {
  const std::size_t count = diff.ObjectCount();
  if (count == 0) return "No Objects Changed.";
  return std::to_string(count) + (count == 1 ? " Object Changed." : " Objects Changed.");
}

}  // namespace vdbq
