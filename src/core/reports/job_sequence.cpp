#include "core/reports/job_sequence.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vdbq {
namespace {

constexpr long long kNoReference = 9999;
constexpr long long kUntimed = -1;

std::vector<std::string_view> SplitEntries(std::string_view follows) {
  std::vector<std::string_view> entries;
  size_t start = 0;
  for (;;) {
    const size_t comma = follows.find(',', start);
    if (comma == std::string_view::npos) {
      entries.push_back(follows.substr(start));
      return entries;
    }
    entries.push_back(follows.substr(start, comma - start));
    start = comma + 1;
  }
}

// An entry naming a job of another schedule (WORKSTATION#SCHEDULE.JOB) never holds a job back.
bool IsExternal(std::string_view entry) { return entry.find('.') != std::string_view::npos; }

// Minutes of a time text of exactly four digits HHMM, -1 for any other text.
long long FourDigitMinutes(const std::string& time) {
  if (time.size() != 4) return -1;
  for (char c : time) {
    if (c < '0' || c > '9') return -1;
  }
  return ((time[0] - '0') * 10 + (time[1] - '0')) * 60 + (time[2] - '0') * 10 + (time[3] - '0');
}

// Layering: a job is placed in the first pass in which every internal entry names a job placed
// in an earlier pass. Placements never change, so a waiting job only needs looking at again
// after the name it waits on has been placed for the first time; each job keeps how many of its
// entries are already satisfied.
void Layer(const std::vector<ScheduleJob>& jobs, std::vector<long long>& sequence,
           Progress& progress) {
  std::vector<std::vector<std::string_view>> entries(jobs.size());
  std::unordered_map<std::string_view, long long> firstPlaced;
  std::vector<size_t> candidates;
  for (size_t n = 0; n < jobs.size(); ++n) {
    entries[n] = SplitEntries(jobs[n].Follows);
    bool allExternal = true;
    for (std::string_view entry : entries[n]) allExternal = allExternal && IsExternal(entry);
    if (jobs[n].Follows.empty() || allExternal) {
      sequence[n] = 1;
      firstPlaced.emplace(jobs[n].Name, 1);
    } else {
      candidates.push_back(n);
    }
  }

  std::unordered_map<std::string_view, std::vector<size_t>> waitingOn;
  std::vector<size_t> satisfied(jobs.size(), 0);
  size_t unplaced = candidates.size();
  std::vector<size_t> placed;
  for (long long pass = 2; unplaced > 0; ++pass) {
    progress.Tick();
    placed.clear();
    for (size_t n : candidates) {
      const auto& own = entries[n];
      size_t& done = satisfied[n];
      while (done < own.size()) {
        const std::string_view entry = own[done];
        const auto found = firstPlaced.find(entry);
        if (!IsExternal(entry) && (found == firstPlaced.end() || found->second >= pass)) break;
        ++done;
      }
      if (done == own.size()) {
        placed.push_back(n);
      } else {
        waitingOn[own[done]].push_back(n);
      }
    }
    if (placed.empty()) {
      for (long long& s : sequence) {
        if (s == 0) s = pass;
      }
      return;
    }
    unplaced -= placed.size();
    candidates.clear();
    for (size_t n : placed) {
      sequence[n] = pass;
      if (!firstPlaced.emplace(jobs[n].Name, pass).second) continue;
      const auto woken = waitingOn.find(jobs[n].Name);
      if (woken == waitingOn.end()) continue;
      candidates.insert(candidates.end(), woken->second.begin(), woken->second.end());
      waitingOn.erase(woken);
    }
  }
}

// Splits the jobs of one number by their AT times. The untimed ones (or, when all are timed,
// those at the earliest four-digit time and those whose time is not four digits) keep the
// number; the others move one up - every later number moving up to make room - and are split
// again there. A split that moves nobody leaves the next number empty, which ends the ordering:
// later numbers are then only moved up, no longer split.
class StartTimeOrder {
 public:
  StartTimeOrder(const std::vector<ScheduleJob>& jobs, std::vector<long long>& sequence)
      : jobs_(jobs), sequence_(sequence), minutes_(jobs.size()) {
    for (size_t n = 0; n < jobs.size(); ++n) minutes_[n] = FourDigitMinutes(jobs[n].At);
  }

  void Run(Progress& progress) {
    long long levels = 0;
    for (long long s : sequence_) levels = std::max(levels, s);
    std::vector<std::vector<size_t>> layers(static_cast<size_t>(levels + 1));
    for (size_t n = 0; n < jobs_.size(); ++n) {
      layers[static_cast<size_t>(sequence_[n])].push_back(n);
    }
    bool ordering = true;
    for (long long layer = 1; layer <= levels; ++layer) {
      progress.Tick();
      std::vector<size_t>& group = layers[static_cast<size_t>(layer)];
      // An empty number ends the ordering too: when every job waits on another, none holds 1.
      if (group.empty()) ordering = false;
      if (ordering) {
        ordering = SplitLayer(std::move(group), layer + inserted_);
      } else {
        Assign(group, 0, group.size(), layer + inserted_);
      }
    }
  }

 private:
  const std::string& At(size_t n) const { return jobs_[n].At; }

  void Assign(const std::vector<size_t>& group, size_t from, size_t to, long long level) {
    for (size_t i = from; i < to; ++i) sequence_[group[i]] = level;
  }

  bool TimesDiffer(const std::vector<size_t>& group) const {
    for (size_t n : group) {
      if (At(n) != At(group[0])) return true;
    }
    return false;
  }

  // One layer, in file order, starting at `level`. False when a split moved nobody.
  bool SplitLayer(std::vector<size_t> group, long long level) {
    for (;; ++level) {
      Assign(group, 0, group.size(), level);
      if (group.size() < 2 || !TimesDiffer(group)) return true;
      bool allFourDigit = true;
      for (size_t n : group) allFourDigit = allFourDigit && minutes_[n] >= 0;
      if (allFourDigit) return SplitByMinutes(std::move(group), level);

      ++inserted_;
      long long reference = kNoReference;
      for (size_t n : group) {
        if (At(n).empty()) reference = kUntimed;
        if (minutes_[n] >= 0 && minutes_[n] < reference) reference = minutes_[n];
      }
      std::vector<size_t> moved;
      for (size_t n : group) {
        const bool moves =
            reference == kUntimed ? !At(n).empty() : minutes_[n] >= 0 && minutes_[n] != reference;
        if (reference != kNoReference && moves) moved.push_back(n);
      }
      if (moved.empty()) return false;
      group = std::move(moved);
    }
  }

  // Jobs that all start at four-digit times leave one minute value at a time, earliest first;
  // sorting them once spares a pass over the rest for every value.
  bool SplitByMinutes(std::vector<size_t> group, long long level) {
    std::stable_sort(group.begin(), group.end(),
                     [this](size_t a, size_t b) { return minutes_[a] < minutes_[b]; });
    // sameFrom[i]: the jobs from i on all have the same time text.
    std::vector<bool> sameFrom(group.size(), true);
    for (size_t i = group.size() - 1; i-- > 0;) {
      sameFrom[i] = sameFrom[i + 1] && At(group[i]) == At(group[i + 1]);
    }
    for (size_t first = 0;; ++level) {
      if (group.size() - first < 2 || sameFrom[first]) {
        Assign(group, first, group.size(), level);
        return true;
      }
      ++inserted_;
      size_t next = first;
      while (next < group.size() && minutes_[group[next]] == minutes_[group[first]]) ++next;
      Assign(group, first, next, level);
      if (next == group.size()) return false;
      first = next;
    }
  }

  const std::vector<ScheduleJob>& jobs_;
  std::vector<long long>& sequence_;
  std::vector<long long> minutes_;
  // Numbers inserted so far by splits; every later layer sits this much higher.
  long long inserted_ = 0;
};

}  // namespace

std::vector<long long> SequenceJobs(const std::vector<ScheduleJob>& jobs, Progress& progress) {
  std::vector<long long> sequence(jobs.size(), 0);
  Layer(jobs, sequence, progress);
  StartTimeOrder(jobs, sequence).Run(progress);
  return sequence;
}

}  // namespace vdbq
