#include "core/diff/database_diff.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unordered_map>

#include "core/extracts/extract_store.h"

namespace vdbq {
namespace {

constexpr std::uint32_t kNone = UINT32_MAX;

// The definitions of one kind grouped by key: each key's definitions chained in file order.
class KeyedObjects {
 public:
  KeyedObjects(std::vector<ExtractObject> objects)
      : objects_(std::move(objects)), next_(objects_.size(), kNone) {
    groups_.reserve(objects_.size());
    for (std::uint32_t k = 0; k < objects_.size(); ++k) {
      auto [group, added] = groups_.try_emplace(objects_[k].Key, Group{k, k, false});
      if (!added) {
        next_[group->second.Last] = k;
        group->second.Last = k;
      }
    }
  }

  struct Group {
    std::uint32_t First;
    std::uint32_t Last;
    bool Matched;
  };

  std::unordered_map<std::string_view, Group>& Groups() { return groups_; }
  bool IsSingle(const Group& group) const { return group.First == group.Last; }
  const ExtractObject& Object(std::uint32_t k) const { return objects_[k]; }

  // Every line of a key's definitions, in file order.
  std::vector<std::string_view> Lines(const Group& group, const LineList& lines) const {
    std::vector<std::string_view> text;
    for (std::uint32_t k = group.First; k != kNone; k = next_[k]) {
      for (std::uint32_t i = 0; i < objects_[k].Count; ++i) {
        text.push_back(lines.At(objects_[k].First + i));
      }
    }
    return text;
  }

 private:
  std::vector<ExtractObject> objects_;
  std::vector<std::uint32_t> next_;
  std::unordered_map<std::string_view, Group> groups_;
};

bool SameSpan(const ExtractObject& a, const LineList& aLines, const ExtractObject& b,
              const LineList& bLines) {
  if (a.Count != b.Count) return false;
  for (std::uint32_t i = 0; i < a.Count; ++i) {
    if (aLines.At(a.First + i) != bLines.At(b.First + i)) return false;
  }
  return true;
}

std::string ReadExtractFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    throw DiffLoadError("Cannot open file \"" + path + "\". It is a directory.");
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    throw DiffLoadError("Cannot open file \"" + path + "\". " + std::strerror(errno) + ".");
  }
  std::string bytes;
  char buffer[1 << 16];
  const auto size = std::filesystem::file_size(path, ec);
  if (!ec) bytes.reserve(static_cast<size_t>(size));
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) throw DiffLoadError("Cannot read file \"" + path + "\".");
  return bytes;
}

}  // namespace

std::size_t DatabaseDiff::ObjectCount() const {
  std::size_t count = 0;
  for (const KindChanges& kind : Kinds) count += kind.Count();
  return count;
}

KindChanges DiffExtract(ObjectKind kind, std::string oldText, std::string newText) {
  KindChanges changes;
  if (oldText == newText) return changes;
  const LineList oldLines = LineList::FromText(std::move(oldText));
  const LineList newLines = LineList::FromText(std::move(newText));
  KeyedObjects olds(SplitObjects(kind, oldLines));
  KeyedObjects news(SplitObjects(kind, newLines));

  for (auto& [key, oldGroup] : olds.Groups()) {
    const auto found = news.Groups().find(key);
    if (found == news.Groups().end()) {
      changes.Removed.emplace_back(key);
      continue;
    }
    auto& newGroup = found->second;
    newGroup.Matched = true;
    if (olds.IsSingle(oldGroup) && news.IsSingle(newGroup) &&
        SameSpan(olds.Object(oldGroup.First), oldLines, news.Object(newGroup.First), newLines)) {
      continue;
    }
    std::vector<DiffLine> diff =
        LineDiff(olds.Lines(oldGroup, oldLines), news.Lines(newGroup, newLines));
    if (!diff.empty()) changes.Changed.push_back(ChangedObject{std::string(key), std::move(diff)});
  }
  for (const auto& [key, newGroup] : news.Groups()) {
    if (!newGroup.Matched) changes.Added.emplace_back(key);
  }
  std::sort(changes.Added.begin(), changes.Added.end());
  std::sort(changes.Removed.begin(), changes.Removed.end());
  std::sort(changes.Changed.begin(), changes.Changed.end(),
            [](const ChangedObject& a, const ChangedObject& b) { return a.Key < b.Key; });
  return changes;
}

std::string MissingExtractFile(const std::string& dir) {
  for (const char* file : kExtractLoadOrder) {
    std::error_code ec;
    if (!std::filesystem::exists(dir + file, ec)) return file;
  }
  return {};
}

DatabaseDiff DiffDatabases(const std::string& oldDir, const std::string& newDir) {
  for (const std::string* dir : {&oldDir, &newDir}) {
    const std::string missing = MissingExtractFile(*dir);
    if (!missing.empty()) {
      throw DiffLoadError("Varnolt Database Extract Not Found: " + *dir + missing);
    }
  }
  DatabaseDiff diff;
  for (ObjectKind kind : kObjectKinds) {
    const char* file = ExtractFileOf(kind);
    diff.Of(kind) = DiffExtract(kind, ReadExtractFile(oldDir + file), ReadExtractFile(newDir + file));
  }
  return diff;
}

}  // namespace vdbq
