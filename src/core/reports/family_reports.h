#pragma once

#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/reports/report_context.h"
#include "core/reports/usage_reports.h"

// The two reports of the resource, parameter and prompt families have one shape each: their
// texts stand in one table beside the shapes, and a family's file gives only its name lists and
// its reading of the extracts.
namespace vdbq {

// The names of a family, each followed by a comma.
using FamilyNameList = std::string (*)(const ExtractStore& store);

// Before + name + After: a title or status text built around the name a find report was given.
struct AroundName {
  const char* Before;
  const char* After;
};

// A find report (R#1, P#1, D#1): AcceptFindName takes the name, and the rows are the keys of
// the objects whose definitions use it, sorted.
struct FindReport {
  int ReportNumber;
  FindInput Input;
  const char* Title1;
  AroundName Title2;
  AroundName Status;  // after "Found <rows>"
  bool SkipEmptyKeys;
  long long CatalogueTotals::*Total;
  FamilyNameList Names;  // the names a search may give
  // The WORKSTATION#NAME keys of the objects using `name`, in any order.
  std::vector<std::string> (*KeysUsing)(ReportContext& ctx, const std::string& name);
};

void RunFindReport(ReportContext& ctx, const FindReport& report);

// A usage report (R#2, P#2, D#2): a row per name of the family, "Ok." when the uses collected
// from the definitions hold it. Nothing happens while the family is empty.
struct UsageReport {
  int ReportNumber;
  const char* Code;
  const char* Title1;
  const char* Objects;  // the family in the status text
  long long CatalogueTotals::*Total;
  FamilyNameList Names;
  std::string (*CollectUses)(const ExtractStore& store, Progress& progress);
};

void RunUsageReport(ReportContext& ctx, const UsageReport& report);

// Every non-empty name of rows, blanks trimmed, each followed by a comma.
std::string NamesOfRows(const std::vector<NameValue>& rows);

// The WORKSTATION#NAME keys of the schedules, in file order, whose bodies hold a clause text,
// read as BodiesHolding reads it, whose comma-separated items (the text as "," + text + ",")
// contain `first` or `second`.
std::vector<std::string> SchedulesWithItemText(ReportContext& ctx, const BodyClause& clause,
                                               const std::string& first, const std::string& second);

// Each family's readers, in the family's own file: its names as a search gives them (resources
// without their workstation) and as the usage check compares them (with it), and the keys of
// the objects using a name.
std::string ResourceNamesWithoutWorkstation(const ExtractStore& store);
std::string ResourceNamesWithWorkstation(const ExtractStore& store);
std::vector<std::string> SchedulesUsingResource(ReportContext& ctx, const std::string& name);
std::string ParameterNameList(const ExtractStore& store);
std::vector<std::string> JobsUsingParameter(ReportContext& ctx, const std::string& name);
std::string PromptNameList(const ExtractStore& store);
std::vector<std::string> SchedulesUsingPrompt(ReportContext& ctx, const std::string& name);

}  // namespace vdbq
