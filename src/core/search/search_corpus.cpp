#include "core/search/search_corpus.h"

#include <fstream>
#include <future>
#include <iterator>

namespace vdbq {

std::string_view BytesOfLines(const LineList& lines) {
  if (lines.IsEmpty()) return {};
  const std::string_view last = lines.At(lines.Count() - 1);
  return lines.TextAt(0, lines.OffsetOf(last) + last.size());
}

std::string ReadExtractText(const std::string& databaseDir, const char* file) {
  std::ifstream in(databaseDir + file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

SearchCorpus::SearchCorpus(const ExtractStore& store, std::string parameterText,
                           std::string promptText)
    : parameterLines_(LineList::FromText(std::move(parameterText))),
      promptLines_(LineList::FromText(std::move(promptText))) {
  sources_ = {{ObjectKind::Schedule, kSchedulesFile, &store.ScheduleLines, {}},
              {ObjectKind::Job, kJobsFile, &store.JobLines, {}},
              {ObjectKind::Parameter, kParmsFile, &parameterLines_, {}},
              {ObjectKind::Resource, kResourcesFile, &store.ResourceLines, {}},
              {ObjectKind::Calendar, kCalendarsFile, &store.CalendarLines, {}},
              {ObjectKind::Prompt, kPromptsFile, &promptLines_, {}},
              {ObjectKind::Workstation, kCpusFile, &store.CpuLines, {}}};
  // The jobs and the schedules are most of a large database: split alongside the rest.
  std::vector<std::future<void>> splits;
  for (SearchSource& source : sources_) {
    splits.push_back(std::async(std::launch::async, [&source] {
      source.Objects = SplitObjects(source.Kind, BytesOfLines(*source.Lines));
    }));
  }
  for (std::future<void>& split : splits) split.get();
}

std::shared_ptr<const SearchCorpus> SearchCorpusCache::Get(const ExtractStore& store,
                                                           const std::string& databaseDir) {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (!corpus_) {
    corpus_ = std::make_shared<SearchCorpus>(store, ReadExtractText(databaseDir, kParmsFile),
                                             ReadExtractText(databaseDir, kPromptsFile));
  }
  return corpus_;
}

void SearchCorpusCache::Reset() {
  const std::lock_guard<std::mutex> lock(mutex_);
  corpus_.reset();
}

}  // namespace vdbq
