#include "core/reports/schedule_detail_reader.h"

#include "core/definitions/definition_lines.h"
#include "core/reports/packed_record.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// Walks the lines of one schedule. A clause whose text ends with "," goes on on the next line,
// which is read without any test, but never past the last line.
class ScheduleWalk {
 public:
  ScheduleWalk(const LineList& lines, long long lineCount, long long firstLine, Progress& progress)
      : lines_(lines), count_(lineCount), line_(firstLine), progress_(progress) {}

  // Moves to the next line that has characters; false at the end of the lines.
  bool NextNonEmpty() {
    while (line_ < count_ && lines_.At(line_).empty()) ++line_;
    if (line_ >= count_) return false;
    progress_.Tick();
    return true;
  }
  std::string Trimmed() const { return TrimBlanks(lines_.At(line_)); }
  void Step() { ++line_; }
  // Moves onto the following line for a continued clause; false when there is none.
  bool StepIntoContinuation() {
    if (line_ + 1 >= count_) return false;
    ++line_;
    progress_.Tick();
    return true;
  }

 private:
  const LineList& lines_;
  long long count_;
  long long line_;
  Progress& progress_;
};

std::string TrimmedFrom(const std::string& text, long long position) {
  return TrimBlanks(CopyFrom(text, position));
}

void ContinueClause(ScheduleWalk& walk, std::string& field) {
  while (EndsWithComma(field) && walk.StepIntoContinuation()) field += walk.Trimmed();
}

// The schedule's own clauses, from the line after the header to the ":" line.
void ReadClauses(ScheduleWalk& walk, ScheduleHeader& header) {
  header.CarryForward = "No";
  header.On.clear();
  while (walk.NextNonEmpty()) {
    const std::string line = walk.Trimmed();
    if (IsHeaderEndLine(line)) {
      walk.Step();
      return;
    }
    if (!IsCommentLine(line)) {
      std::string* continued = nullptr;
      if (StartsWith(line, "ON")) {
        const std::string days = TrimmedFrom(line, 4);
        header.On = header.On.empty() ? days : header.On + "," + days;
        continued = &header.On;
      } else if (StartsWith(line, "EXCEPT")) {
        header.Except = TrimmedFrom(line, 8);
        continued = &header.Except;
      } else if (StartsWith(line, "AT")) {
        header.At = TrimmedFrom(line, 4);
        continued = &header.At;
      } else if (StartsWith(line, "FOLLOWS")) {
        header.Follows = TrimmedFrom(line, 9);
        continued = &header.Follows;
      } else if (StartsWith(line, "PROMPT")) {
        header.Prompts = TrimmedFrom(line, 8);
        continued = &header.Prompts;
      } else if (StartsWith(line, "OPENS")) {
        header.Opens = TrimmedFrom(line, 7);
        continued = &header.Opens;
      } else if (StartsWith(line, "NEEDS")) {
        header.Needs = TrimmedFrom(line, 7);
        continued = &header.Needs;
      } else if (StartsWith(line, "CARRYFORWARD")) {
        header.CarryForward = "Yes";
      } else if (StartsWith(line, "PRIORITY")) {
        header.Priority = TrimmedFrom(line, 10);
      } else if (StartsWith(line, "LIMIT")) {
        header.Limit = TrimmedFrom(line, 7);
      } else if (StartsWith(line, "IN")) {
        header.InOrder = "Yes";
      } else if (StartsWith(line, "FREEDAYS")) {
        header.Freedays = TrimmedFrom(line, 10);
      } else if (StartsWith(line, "UNTIL")) {
        header.Until = TrimmedFrom(line, 7);
      }
      if (continued != nullptr) ContinueClause(walk, *continued);
    }
    walk.Step();
  }
}

// The eleven packed records of the job part; the options state holds the current line and the
// CONFIRMED and PRIORITY records that SplitJobOptions feeds.
struct JobRecords {
  JobOptionState Options;
  std::string Cpu, Name, At, Follows, Opens, Prompt, Needs, Every, Until;
  long long Count = 0;

  void AppendMarker(long long n) {
    const std::string marker = FieldMarker(n);
    for (std::string* record : {&Cpu, &Name, &At, &Follows, &Opens, &Prompt, &Needs, &Every, &Until,
                                &Options.ConfirmedRecord, &Options.PriorityRecord}) {
      *record += marker;
    }
  }
};

void ContinueJobClause(ScheduleWalk& walk, JobRecords& records, std::string& record) {
  while (EndsWithComma(record) && walk.StepIntoContinuation()) {
    records.Options.CurrentLine = walk.Trimmed();
    SplitJobOptions(records.Options);
    record += records.Options.CurrentLine;
  }
}

void OpenJob(JobRecords& records, const std::string& workstation) {
  records.AppendMarker(++records.Count);
  SplitJobOptions(records.Options);
  const std::string& line = records.Options.CurrentLine;
  const long long hash = Find("#", line);
  if (hash >= 1) {
    records.Cpu += Copy(line, 1, hash - 1);
    records.Name += TrimBlanks(CopyFrom(line, hash + 1));
  } else {
    records.Cpu += workstation;
    records.Name += line;
  }
}

// One line of the job part: a clause of the job last opened, or a job line.
void ReadJobLine(ScheduleWalk& walk, JobRecords& records, const std::string& workstation) {
  std::string& line = records.Options.CurrentLine;
  auto clause = [&](std::string& record, long long from, bool trimmed, bool continued) {
    SplitJobOptions(records.Options);
    record += trimmed ? TrimmedFrom(line, from) : CopyFrom(line, from);
    if (continued) ContinueJobClause(walk, records, record);
  };
  if (StartsWith(line, "AT ")) {
    clause(records.At, 4, true, true);
  } else if (StartsWith(line, "FOLLOWS ")) {
    clause(records.Follows, 9, false, true);
  } else if (StartsWith(line, "PROMPT ")) {
    clause(records.Prompt, 8, false, true);
  } else if (StartsWith(line, "OPENS ")) {
    clause(records.Opens, 7, false, true);
  } else if (StartsWith(line, "NEEDS ")) {
    clause(records.Needs, 7, false, true);
  } else if (line == "CONFIRMED") {
    records.Options.ConfirmedRecord += "Y";
  } else if (StartsWith(line, "PRIORITY ")) {
    records.Options.PriorityRecord += TrimmedFrom(line, 10);
  } else if (StartsWith(line, "EVERY ")) {
    clause(records.Every, 7, false, false);
  } else if (StartsWith(line, "UNTIL ")) {
    clause(records.Until, 7, false, false);
  } else if (!StartsWith(line, "ONUNTIL ") && line != "END") {
    OpenJob(records, workstation);
  }
}

// The jobs, from the line after ":" to the "END" line, as packed records.
JobRecords ReadJobs(ScheduleWalk& walk, const std::string& workstation) {
  JobRecords records;
  while (walk.NextNonEmpty()) {
    records.Options.CurrentLine = walk.Trimmed();
    if (!IsCommentLine(records.Options.CurrentLine)) ReadJobLine(walk, records, workstation);
    walk.Step();
    if (IsDefinitionEndLine(records.Options.CurrentLine)) break;
  }
  const long long closing = records.Count + 1;
  records.AppendMarker(closing);
  const std::string marker = FieldMarker(closing);
  records.Follows += marker;
  records.Name += marker;
  records.At += marker;
  return records;
}

}  // namespace

std::vector<ScheduleJob> ReadScheduleDetail(const LineList& lines, long long lineCount,
                                            long long headerLine, ScheduleHeader& header,
                                            Progress& progress) {
  ScheduleWalk walk(lines, lineCount, headerLine + 1, progress);
  ReadClauses(walk, header);
  JobRecords records = ReadJobs(walk, header.Workstation);

  const long long count = records.Count;
  auto unpack = [count](const std::string& record) { return UnpackMarkedFields(record, count); };
  const auto cpu = unpack(records.Cpu), name = unpack(records.Name), at = unpack(records.At),
             follows = unpack(records.Follows), opens = unpack(records.Opens),
             prompt = unpack(records.Prompt), needs = unpack(records.Needs),
             confirmed = unpack(records.Options.ConfirmedRecord), every = unpack(records.Every),
             priority = unpack(records.Options.PriorityRecord), until = unpack(records.Until);
  std::vector<ScheduleJob> jobs(static_cast<size_t>(count));
  for (long long n = 1; n <= count; ++n) {
    const auto i = static_cast<size_t>(n);
    jobs[i - 1] = ScheduleJob{cpu[i],   name[i],      at[i],    follows[i],  opens[i], prompt[i],
                              needs[i], confirmed[i], every[i], priority[i], until[i]};
  }
  return jobs;
}

}  // namespace vdbq
