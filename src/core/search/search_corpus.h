#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/object_kind.h"
#include "core/diff/extract_objects.h"
#include "core/extracts/extract_store.h"

namespace vdbq {

// One extract file to search: its lines and the definitions they hold, as the catalogue reads
// them, in file order.
struct SearchSource {
  ObjectKind Kind = ObjectKind::None;
  const char* File = "";
  const LineList* Lines = nullptr;
  std::vector<ExtractObject> Objects;
};

// The seven extracts of a loaded store in load order, split into definitions once so that
// every search after it (a keystroke each in a find box) only scans bytes. Points into the
// store, which must outlive it unchanged. The store keeps the parameter and prompt files only
// as rows, so their texts come with it.
class SearchCorpus {
 public:
  SearchCorpus(const ExtractStore& store, std::string parameterText, std::string promptText);
  SearchCorpus(const SearchCorpus&) = delete;
  SearchCorpus& operator=(const SearchCorpus&) = delete;
  const std::vector<SearchSource>& Sources() const { return sources_; }

 private:
  LineList parameterLines_;
  LineList promptLines_;
  std::vector<SearchSource> sources_;
};

// The corpus of the loaded database, built on first use, from any thread, and kept until Reset,
// which is due before a load replaces the extracts it points into.
class SearchCorpusCache {
 public:
  // databaseDir (ending with a separator) is where the parameter and prompt files are read.
  std::shared_ptr<const SearchCorpus> Get(const ExtractStore& store,
                                          const std::string& databaseDir);
  void Reset();

 private:
  std::mutex mutex_;
  std::shared_ptr<const SearchCorpus> corpus_;
};

// The bytes of one extract file of databaseDir (which ends with a separator), "" when it
// cannot be read.
std::string ReadExtractText(const std::string& databaseDir, const char* file);

// The bytes of all lines of a list as it was read, from the first line's start to the last
// line's end.
std::string_view BytesOfLines(const LineList& lines);

}  // namespace vdbq
