#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/diff/extract_objects.h"
#include "core/diff/line_diff.h"

namespace vdbq {

struct ChangedObject {
  std::string Key;
  std::vector<DiffLine> Lines;
};

// What differs in one kind of object; keys in byte order.
struct KindChanges {
  std::vector<std::string> Added;
  std::vector<std::string> Removed;
  std::vector<ChangedObject> Changed;

  std::size_t Count() const { return Added.size() + Removed.size() + Changed.size(); }
};

// The objects that differ between an old and a new database, kind by kind.
struct DatabaseDiff {
  std::array<KindChanges, kObjectKindCount> Kinds;

  const KindChanges& Of(ObjectKind kind) const { return Kinds[static_cast<std::size_t>(kind)]; }
  KindChanges& Of(ObjectKind kind) { return Kinds[static_cast<std::size_t>(kind)]; }
  std::size_t ObjectCount() const;
  bool Empty() const { return ObjectCount() == 0; }
};

// A database that cannot be compared: an extract file is missing or cannot be read.
class DiffLoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Compares the objects of one kind in two texts of its extract file. Objects are matched by
// key, so the order of definitions in the file does not matter. A key defined more than once
// is one object whose text is all its definitions in file order: the catalogue lists each of
// them under that key, so adding, dropping or editing any of them is a change of that key.
KindChanges DiffExtract(ObjectKind kind, std::string_view oldText, std::string_view newText);

// Compares the seven extracts of two database directories (each ending with a separator).
// Throws DiffLoadError when a file of either is missing or cannot be read. One kind's two
// files are in memory at a time; files that are byte for byte equal are not split at all.
DatabaseDiff DiffDatabases(const std::string& oldDir, const std::string& newDir);

// The first extract file missing from dir ("" when all seven are there).
std::string MissingExtractFile(const std::string& dir);

}  // namespace vdbq
