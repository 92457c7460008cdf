#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/reports/result_list.h"

namespace vdbq {

// The file the browser view writes into the saves directory (which ends with a separator) and
// asks the shell to open; it is replaced without asking.
inline constexpr const char* kHtmlTempFileName = "&&VarnoltDBQ_Temp.htm";
std::string HtmlTempFilePath(const std::string& savesDir);

// The HTML entries of the result list's menu work only on a schedule detail report.
bool HtmlExportAvailable(const ResultList& results);

// "Report Saved As: " and the file name, after an export to a file.
std::string HtmlSavedStatus(const std::string& fileName);

// A cell text with "&", "<" and ">" written as entities, so that job names and clause texts
// holding them show as typed.
std::string HtmlCellText(std::string_view text);

// The schedule document, line by line: the schedule's clauses (results.Header) as one table,
// then the job rows from the first "Seq." row on as a second.
std::vector<std::string> ScheduleHtmlLines(const ResultList& results);
// The lines as the file holds them: each ended by CR LF.
std::string ScheduleHtmlDocument(const ResultList& results);

}  // namespace vdbq
