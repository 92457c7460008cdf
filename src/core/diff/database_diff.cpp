#include "core/diff/database_diff.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <future>
#include <memory>

#include "core/extracts/extract_store.h"
#include "core/memory/hash.h"
#include "core/memory/huge_pages.h"
#include "core/memory/open_table.h"

namespace vdbq {
namespace {

constexpr std::uint32_t kNone = UINT32_MAX;

// The definitions of one kind grouped by key: each key's definitions chained in file order from
// the first one, its head.
class KeyedObjects {
 public:
  explicit KeyedObjects(std::vector<ExtractObject> objects)
      : objects_(std::move(objects)),
        next_(objects_.size(), kNone),
        tail_(objects_.size(), kNone),
        matched_(objects_.size(), 0) {
    heads_.Reset(objects_.size());
    for (std::uint32_t k = 0; k < objects_.size(); ++k) {
      const std::string_view key = objects_[k].Key;
      const uint64_t hash = HashBytes(key);
      const auto [slot, added] = heads_.Insert(hash, Holding{*this, key});
      if (added) {
        *slot = Slot::Of(hash, k);
        tail_[k] = k;
      } else {
        const std::uint32_t head = slot->Ref();
        next_[tail_[head]] = k;
        tail_[head] = k;
      }
    }
  }

  std::uint32_t Size() const { return static_cast<std::uint32_t>(objects_.size()); }
  bool IsHead(std::uint32_t k) const { return tail_[k] != kNone; }
  bool IsSingle(std::uint32_t head) const { return tail_[head] == head; }
  const ExtractObject& Object(std::uint32_t k) const { return objects_[k]; }
  // The head of key's definitions, kNone when there are none.
  std::uint32_t Find(std::string_view key) const {
    const Slot* slot = heads_.Find(HashBytes(key), Holding{*this, key});
    return slot == nullptr ? kNone : slot->Ref();
  }
  void Match(std::uint32_t head) { matched_[head] = 1; }
  bool Matched(std::uint32_t head) const { return matched_[head] != 0; }

  // Every line of a key's definitions, in file order.
  std::vector<std::string_view> Lines(std::uint32_t head) const {
    std::vector<std::string_view> text;
    for (std::uint32_t k = head; k != kNone; k = next_[k]) {
      const std::vector<std::string_view> lines = TextLines(objects_[k].Text);
      text.insert(text.end(), lines.begin(), lines.end());
    }
    return text;
  }

 private:
  using Slot = RefSlot<std::uint32_t>;
  struct Holding {
    const KeyedObjects& Objects;
    std::string_view Key;
    bool operator()(const Slot& slot) const { return Objects.objects_[slot.Ref()].Key == Key; }
  };

  std::vector<ExtractObject> objects_;
  std::vector<std::uint32_t> next_;
  std::vector<std::uint32_t> tail_;  // for heads: the key's last definition; else kNone
  std::vector<char> matched_;
  OpenTable<Slot> heads_;
};

// An extract file's bytes, read without first filling the buffer. Large buffers are asked
// for in huge pages where the system has them: the kernel then maps a file's worth of memory
// in a few steps instead of one per small page.
class FileBytes {
 public:
  explicit FileBytes(size_t capacity) : capacity_(capacity) {
    data_ = static_cast<char*>(AllocateOnHugePages(capacity));
  }
  ~FileBytes() { std::free(data_); }
  FileBytes(const FileBytes&) = delete;
  FileBytes& operator=(const FileBytes&) = delete;

  char* Data() { return data_; }
  size_t Capacity() const { return capacity_; }
  size_t Size = 0;
  std::string_view View() const { return {data_, Size}; }

 private:
  size_t capacity_;
  char* data_;
};

std::unique_ptr<FileBytes> ReadExtractFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    throw DiffLoadError("Cannot open file \"" + path + "\". It is a directory.");
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    throw DiffLoadError("Cannot open file \"" + path + "\". " + std::strerror(errno) + ".");
  }
  size_t capacity = static_cast<size_t>(std::filesystem::file_size(path, ec));
  if (ec) capacity = 0;
  // One byte more, to see the end of a file that grew meanwhile.
  auto bytes = std::make_unique<FileBytes>(capacity + 1);
  for (;;) {
    bytes->Size +=
        std::fread(bytes->Data() + bytes->Size, 1, bytes->Capacity() - bytes->Size, file);
    if (bytes->Size < bytes->Capacity() || std::ferror(file) != 0) break;
    auto larger = std::make_unique<FileBytes>(bytes->Capacity() * 2);
    std::memcpy(larger->Data(), bytes->Data(), bytes->Size);
    larger->Size = bytes->Size;
    bytes = std::move(larger);
  }
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

KindChanges DiffExtract(ObjectKind kind, std::string_view oldText, std::string_view newText) {
  KindChanges changes;
  if (oldText == newText) return changes;
  // The old side is split and indexed on a second thread meanwhile.
  std::future<KeyedObjects> oldSide = std::async(
      std::launch::async, [kind, oldText] { return KeyedObjects(SplitObjects(kind, oldText)); });
  KeyedObjects news(SplitObjects(kind, newText));
  KeyedObjects olds = oldSide.get();

  for (std::uint32_t head = 0; head < olds.Size(); ++head) {
    if (!olds.IsHead(head)) continue;
    const std::string_view key = olds.Object(head).Key;
    const std::uint32_t match = news.Find(key);
    if (match == kNone) {
      changes.Removed.emplace_back(key);
      continue;
    }
    news.Match(match);
    // Equal bytes are equal lines; differing bytes may still be the same lines with other
    // line breaks.
    if (olds.IsSingle(head) && news.IsSingle(match) &&
        olds.Object(head).Text == news.Object(match).Text) {
      continue;
    }
    std::vector<DiffLine> diff = LineDiff(olds.Lines(head), news.Lines(match));
    if (!diff.empty()) changes.Changed.push_back(ChangedObject{std::string(key), std::move(diff)});
  }
  for (std::uint32_t head = 0; head < news.Size(); ++head) {
    if (news.IsHead(head) && !news.Matched(head)) changes.Added.emplace_back(news.Object(head).Key);
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
    const auto oldBytes = ReadExtractFile(oldDir + file);
    const auto newBytes = ReadExtractFile(newDir + file);
    diff.Of(kind) = DiffExtract(kind, oldBytes->View(), newBytes->View());
  }
  return diff;
}

}  // namespace vdbq
