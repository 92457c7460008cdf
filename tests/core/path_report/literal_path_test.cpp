// The dependency path report answers its walks over all schedules from an index. This file
// holds the walks written out plainly, line by line, and checks on many generated schedule
// files that both give the same path, order and rows.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/extracts/extract_store.h"
#include "core/reports/dependency_path.h"
#include "core/reports/report_context.h"
#include "core/reports/result_list.h"
#include "core/text/text_routines.h"
#include "support/test_helpers.h"

namespace vdbq {
namespace {

struct LiteralEntry {
  std::string Key;
  char Kind;
  std::string ScheduleFollows;
  std::string JobFollows;
};

class LiteralPath {
 public:
  explicit LiteralPath(const ExtractStore& store) : store_(store), lines_(store.ScheduleLines) {}

  bool Run(const std::string& search) {
    const std::optional<long long> found = FindScheduleByKey(search);
    if (!found) return false;
    const PathStart start = PathStartOf(search);
    Entries.push_back(LoadEntry(start.Workstation + "#" + start.ScheduleName, *found - 1, 'O'));
    for (size_t k = 0; k < Entries.size(); ++k) AddPredecessors(k);
    const size_t first = Entries.size();
    Walk(start.ScheduleName, [&](const LiteralEntry& e) { Entries.push_back(e); });
    if (Entries.size() > first) {
      for (size_t k = first; k < Entries.size(); ++k) {
        const std::string key = Entries[k].Key;
        Walk(key, [&](const LiteralEntry& x) {
          Entries.push_back(x);
          AddPredecessors(Entries.size() - 1);
          Walk(x.Key, [&](const LiteralEntry& e) { Entries.push_back(e); });
        });
      }
    }
    OrderEntries();
    return true;
  }

  std::vector<ResultRow> Rows() const {
    std::vector<ResultRow> rows;
    rows.push_back({"Seq.", {"Workstation", "Schedule", "Schedule Follows", "Job Follows"}});
    for (size_t p = 1; p <= Order.size(); ++p) {
      const LiteralEntry& e = Entries[Order[p - 1]];
      std::string caption = "000" + std::to_string(p);
      caption = caption.substr(caption.size() - 3);
      if (e.Kind == 'O') caption += ">";
      const long long hash = Find("#", e.Key);
      rows.push_back({caption,
                      {Copy(e.Key, 1, hash - 1), CopyFrom(e.Key, hash + 1),
                       CsvField(e.ScheduleFollows, 1), CsvField(e.JobFollows, 1)}});
      for (long long m = 2;; ++m) {
        const std::string a = CsvField(e.ScheduleFollows, m);
        const std::string b = CsvField(e.JobFollows, m);
        rows.push_back({"", {"", "", a, b}});
        if (a.empty() && b.empty()) break;
      }
    }
    return rows;
  }

  std::vector<LiteralEntry> Entries;
  std::vector<size_t> Order;

 private:
  static bool IsHeader(std::string_view line) { return Copy(line, 1, 9) == "SCHEDULE "; }

  std::optional<long long> FindScheduleByKey(const std::string& key) const {
    long long line = store_.ScheduleBlockStart[0];
    while (line < lines_.Count()) {
      std::string_view text = lines_.At(line);
      if (!text.empty() && IsHeader(text)) {
        if (CopyFrom(text, 10) == key) return line + 1;
        line = store_.NextBlockStart(line);
      } else {
        ++line;
      }
    }
    return std::nullopt;
  }

  std::string Qualified(const std::string& text) const {
    if (!text.empty() && Find("#", text) == 0) return defaultWorkstation_ + "#" + text;
    return text;
  }

  // The reading of a schedule stops at its ":" and "END" lines, at the end of the list and
  // before the next SCHEDULE line.
  LiteralEntry LoadEntry(const std::string& key, long long header, char kind) {
    defaultWorkstation_ = Copy(key, 1, Find("#", key) - 1);
    long long limit = header + 1;
    while (limit < lines_.Count() && !IsHeader(lines_.At(limit))) ++limit;

    long long i = header + 1;
    std::string scheduleFollows;
    bool done = false;
    while (!done && i < limit) {
      const std::string line(lines_.At(i++));
      if (line.empty()) continue;
      const std::string current = TrimBlanks(line);
      if (current == ":") break;
      if (Copy(current, 1, 1) == "*" || Copy(current, 1, 7) != "FOLLOWS") continue;
      scheduleFollows = Qualified(TrimBlanks(CopyFrom(current, 9)));
      while (Copy(scheduleFollows, static_cast<long long>(scheduleFollows.size()), 1) == "," &&
             i < limit) {
        const std::string next = TrimBlanks(lines_.At(i++));
        if (next == ":") {
          done = true;
          break;
        }
        scheduleFollows += Qualified(next);
      }
    }

    std::string jobs;
    done = false;
    while (!done && i < limit) {
      const std::string line(lines_.At(i++));
      const std::string current = TrimBlanks(line);
      if (current == "END") break;
      if (!line.empty() && Copy(current, 1, 1) != "*" && Copy(current, 1, 8) == "FOLLOWS ") {
        JobOptionState state{current, "", ""};
        SplitJobOptions(state);
        jobs += Qualified(TrimBlanks(CopyFrom(state.CurrentLine, 9)));
        while (!jobs.empty() && jobs.back() == ',' && i < limit) {
          JobOptionState next{TrimBlanks(lines_.At(i++)), "", ""};
          if (next.CurrentLine == "END") {
            done = true;
            break;
          }
          SplitJobOptions(next);
          jobs += Qualified(next.CurrentLine);
        }
      }
      if (!jobs.empty() && jobs.back() != ',') jobs += ",";
    }
    if (!jobs.empty() && jobs.back() == ',') jobs.pop_back();
    readEnd_ = i;

    std::string jobFollows;
    for (long long n = 1; n <= static_cast<long long>(jobs.size()) + 1; ++n) {
      const std::string item = CsvField(jobs, n);
      if (Find(".", item) == 0) continue;
      if (!jobFollows.empty()) jobFollows += ",";
      jobFollows += item;
    }
    allJobFollows_ = jobs;
    return LiteralEntry{key, kind, scheduleFollows, jobFollows};
  }

  bool Listed(const std::string& key) const {
    for (const LiteralEntry& e : Entries) {
      if (e.Key == key) return true;
    }
    return false;
  }

  static bool Refers(const std::string& sf, const std::string& j, const std::string& t) {
    auto in = [&t](const std::string& text) {
      return Contains("." + text, "." + t + ".") || Contains(text, "," + t + ".") ||
             Contains(text, "#" + t + ".");
    };
    return in(sf) || in(j);
  }

  void AddPredecessors(size_t k) {
    const std::string w = Copy(Entries[k].Key, 1, Find("#", Entries[k].Key) - 1);
    const std::string lists[] = {Entries[k].ScheduleFollows, Entries[k].JobFollows};
    for (const std::string& list : lists) {
      for (long long n = 1;; ++n) {
        std::string item = CsvField(list, n);
        item = Copy(item, 1, Find(".", item) - 1);
        if (item.empty()) break;
        if (Find("#", item) == 0) item = w + "#" + item;
        if (Listed(item)) continue;
        if (const std::optional<long long> found = FindScheduleByKey(item)) {
          Entries.push_back(LoadEntry(item, *found - 1, 'P'));
        }
      }
    }
  }

  template <typename OnMatch>
  void Walk(const std::string& t, OnMatch onMatch) {
    long long line = 0;
    while (line < lines_.Count()) {
      std::string_view text = lines_.At(line);
      if (!IsHeader(text)) {
        ++line;
        continue;
      }
      const std::string key = TrimBlanks(CopyFrom(text, 10));
      if (Listed(key)) {
        ++line;
        continue;
      }
      const LiteralEntry entry = LoadEntry(key, line, 'N');
      // Where this reading stopped; onMatch reads further schedules.
      const long long next = readEnd_;
      if (Refers(entry.ScheduleFollows, allJobFollows_, t)) onMatch(entry);
      line = next;
    }
  }

  void OrderEntries() {
    const size_t n = Entries.size();
    for (size_t e = 0; e < n; ++e) Order.push_back(e);
    for (size_t pass = 0; pass < n; ++pass) {
      bool moved = false;
      for (size_t i = 0; i < n; ++i) {
        const std::string k = Entries[Order[i]].Key + ".";
        for (size_t j = 0; j < i; ++j) {
          const LiteralEntry& e = Entries[Order[j]];
          if (Contains(e.ScheduleFollows, k) || Contains(e.JobFollows, k)) {
            const size_t moving = Order[i];
            Order.erase(Order.begin() + static_cast<long>(i));
            Order.insert(Order.begin() + static_cast<long>(j), moving);
            moved = true;
            break;
          }
        }
      }
      if (!moved) break;
    }
  }

  const ExtractStore& store_;
  const LineList& lines_;
  std::string defaultWorkstation_;
  std::string allJobFollows_;
  long long readEnd_ = 0;
};

// A deterministic generator of small, often malformed schedule files rich in the cases the
// walks treat specially: duplicate keys, keys that occur inside other keys, references without
// a workstation or without a job, clauses that run on, cycles, stray and missing END and ":"
// lines, SCHEDULE lines inside a block, job names beginning with END, comments and blank lines.
class ScheduleFileMaker {
 public:
  explicit ScheduleFileMaker(uint64_t seed) : state_(seed) {}

  std::string Make() {
    std::string text;
    const int schedules = Between(1, 9);
    for (int s = 0; s < schedules; ++s) {
      if (Chance(10)) text += "* maintained by ops\n";
      if (Chance(8)) text += "\n";
      if (Chance(5)) text += "END\n";
      const std::string key = Pick(kWorkstations) + "#" + Pick(kNames);
      keys_.push_back(key);
      if (Chance(4)) {
        text += "SCHEDULE " + Pick(kNames) + "\n";
      } else {
        text += "SCHEDULE " + key + (Chance(5) ? " " : "") + "\n";
      }
      // A definition cut off after its header: the next one stands inside the same block.
      if (Chance(8)) text += "SCHEDULE " + Pick(kWorkstations) + "#" + Pick(kNames) + "\n";
      if (Chance(60)) text += "ON EVERYDAY\n";
      for (int f = Chance(50) ? Between(1, 2) : 0; f > 0; --f) text += FollowsClause("");
      if (Chance(10)) text += " * FOLLOWS " + Reference() + "\n";
      if (!Chance(7)) text += Chance(20) ? "  :\n" : ":\n";
      if (Chance(5)) text += FollowsClause(" ");
      for (int j = Between(0, 3); j > 0; --j) {
        text += Chance(10) ? "ENDOFDAY\n" : Pick(kWorkstations) + "#JOB" + Pick(kDigits) + "\n";
        if (Chance(55)) text += FollowsClause(" ");
        if (Chance(10)) text += " AT 0100\n";
      }
      if (!Chance(7)) text += Chance(15) ? "END  \n" : "END\n";
    }
    if (Chance(10)) text += "\t\n";
    return text;
  }

  // A search key: mostly one the file defines, sometimes one it may not hold.
  std::string SearchKey() {
    if (!keys_.empty() && !Chance(15)) return keys_[Below(keys_.size())];
    return Pick(kWorkstations) + "#" + Pick(kNames);
  }

 private:
  std::string Reference() {
    std::string reference;
    if (!Chance(30)) reference += Pick(kWorkstations) + "#";
    reference += Pick(kNames);
    if (Chance(85)) reference += Chance(25) ? ".@" : ".JOB" + Pick(kDigits);
    if (Chance(3)) reference = ".X" + reference;
    return reference;
  }

  // Now and then a keyword without its blank or a line led by a tab: the schedule and the job
  // reading tell these apart differently.
  std::string FollowsClause(const std::string& indent) {
    const std::string lead = Chance(4) ? "\t" + indent : indent;
    std::string clause = lead + (Chance(4) ? "FOLLOWSX" : "FOLLOWS ") + Reference();
    for (int more = Chance(35) ? Between(1, 3) : 0; more > 0; --more) {
      clause += ",";
      if (Chance(40)) clause += "\n" + indent + "  ";
      if (Chance(5)) clause += "\n";
      clause += Reference();
    }
    if (Chance(5)) clause += ",";
    if (!indent.empty() && Chance(10)) clause += Chance(50) ? " CONFIRMED" : " PRIORITY 10";
    return clause + "\n";
  }

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  size_t Below(size_t bound) { return static_cast<size_t>(Next() % bound); }
  int Between(int low, int high) { return low + static_cast<int>(Below(high - low + 1)); }
  bool Chance(int percent) { return static_cast<int>(Below(100)) < percent; }
  template <size_t N>
  std::string Pick(const char* const (&items)[N]) {
    return items[Below(N)];
  }

  static constexpr const char* kWorkstations[] = {"A", "B", "XA", "A"};
  static constexpr const char* kNames[] = {"S1", "S2", "S3", "XS1", "S1", "T"};
  static constexpr const char* kDigits[] = {"1", "2"};

  uint64_t state_;
  std::vector<std::string> keys_;
};

ExtractStore StoreOf(const std::string& schedules) {
  ExtractStore store;
  store.ScheduleLines = LineList::FromText(schedules);
  store.ScheduleLineCount = store.ScheduleLines.Count();
  IndexSchedules(store);
  return store;
}

TEST(LiteralPath, GivesTheSamePathOrderAndRowsOnGeneratedFiles) {
  int found = 0;
  int longest = 0;
  for (uint64_t seed = 1; seed <= 4000; ++seed) {
    ScheduleFileMaker maker(seed);
    const std::string file = maker.Make();
    const ExtractStore store = StoreOf(file);
    for (int search = 0; search < 3; ++search) {
      const std::string key = maker.SearchKey();
      Progress progress;
      const std::optional<DependencyPath> path = FindDependencyPath(store, key, progress);
      LiteralPath literal(store);
      const bool literalFound = literal.Run(key);
      ASSERT_EQ(path.has_value(), literalFound) << "seed " << seed << " key " << key << "\n"
                                                << file;
      if (!path) continue;
      ++found;
      longest = std::max(longest, static_cast<int>(path->Entries.size()));
      ASSERT_EQ(path->Entries.size(), literal.Entries.size())
          << "seed " << seed << " key " << key << "\n"
          << file;
      for (size_t e = 0; e < literal.Entries.size(); ++e) {
        ASSERT_EQ(path->Entries[e].Key, literal.Entries[e].Key) << "seed " << seed << "\n" << file;
        ASSERT_EQ(path->Entries[e].Kind, literal.Entries[e].Kind) << "seed " << seed;
        ASSERT_EQ(path->Entries[e].ScheduleFollows, literal.Entries[e].ScheduleFollows)
            << "seed " << seed << "\n"
            << file;
        ASSERT_EQ(path->Entries[e].JobFollows, literal.Entries[e].JobFollows)
            << "seed " << seed << "\n"
            << file;
      }
      ASSERT_EQ(path->Order, literal.Order) << "seed " << seed << "\n" << file;
      ResultList results, expected;
      AddDependencyPathRows(*path, results, progress);
      expected.Rows = literal.Rows();
      ASSERT_EQ(testing::RowsText(results), testing::RowsText(expected)) << "seed " << seed;
    }
  }
  // The generated files must exercise more than single-schedule paths.
  EXPECT_GT(found, 6000);
  EXPECT_GE(longest, 6);
}

}  // namespace
}  // namespace vdbq
