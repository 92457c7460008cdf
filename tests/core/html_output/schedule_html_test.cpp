#include <gtest/gtest.h>

#include "core/output/html_report.h"
#include "core/output/save_dialog.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

using testing::ReportFixture;
using Lines = std::vector<std::string>;

const std::string kNavy = "<FONT COLOR = navy SIZE=2>";
const std::string kBlack = "<FONT COLOR = black SIZE=1>";
const std::string kEnd = "</FONT></TD>";
const std::string kLabelStart =
    R"(<TR><TD align="center"></TD> <TD BGCOLOR="#ffc0c0" align="right">)";

ResultList DetailOf(const std::string& schedules, const std::string& key) {
  ReportFixture fx({{"Schedules.Xtract", schedules}});
  fx.Run("S#4", key);
  return fx.Results;
}

// The lines of the job table after its heading line.
Lines JobTableRows(const Lines& lines) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find("cols=9") != std::string::npos) {
      return Lines(lines.begin() + static_cast<long>(i) + 1, lines.end() - 1);
    }
  }
  return {};
}

// The cell text of the schedule-table cell lines that follow the line holding `label`.
std::string LineAfter(const Lines& lines, const std::string& label, size_t offset) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find(label) != std::string::npos && i + offset < lines.size()) {
      return lines[i + offset];
    }
  }
  return "<missing>";
}

TEST(ScheduleHtmlDocument, ScheduleWithoutClausesOrJobs) {
  const ResultList results = DetailOf("SCHEDULE CPU1#S\n:\nEND\n", "CPU1#S");
  const std::string expected =
      R"(<HTML><BODY><FONT FACE = "Arial"><TABLE border="2" width=95% cellpadding="3" cellspacing="3" Align="center" cols=6><CAPTION>Varnolt Details For Schedule CPU1#S</CAPTION><THEAD BGCOLOR="#ffc0c0"><TR><TH>At </TH><TH>Workstation </TH><TH>Schedule </TH><TH>Follows </TH><TH>On </TH><TH>Except </TH></TR><THEAD BGCOLOR="#d2d2d2">)"
      "\r\n"
      R"(<TR><TD align="center"><FONT COLOR = navy SIZE=2>----/----</FONT></TD>
<TD BGCOLOR="#ffff80" align="left"><FONT COLOR = navy SIZE=2>CPU1</FONT></TD>
<TD BGCOLOR="#ffff80" align="left"><FONT COLOR = navy SIZE=2>S</FONT></TD>
<TD align="left"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD></TR>
<TR><TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="left"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD></TR>
<TR><TD align="center"></TD> <TD BGCOLOR="#ffc0c0" align="right"><FONT COLOR = navy SIZE=2>Carried Forward : </FONT></TD>
<TD align="left"><FONT COLOR = navy SIZE=2>No</FONT></TD>
<TD align="left"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD></TR>
<TR><TD align="center"></TD> <TD BGCOLOR="#ffc0c0" align="right"><FONT COLOR = navy SIZE=2>Priority : </FONT></TD>
<TD align="left"><FONT COLOR = navy SIZE=2>--</FONT></TD>
<TD align="left"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD></TR>
<TR><TD align="center"></TD> <TD BGCOLOR="#ffc0c0" align="right"><FONT COLOR = navy SIZE=2>Limit : </FONT></TD>
<TD align="left"><FONT COLOR = navy SIZE=2>--</FONT></TD>
<TD align="left"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD></TR>
<TR><TD align="center"></TD> <TD BGCOLOR="#ffc0c0" align="right"><FONT COLOR = navy SIZE=2>In Order : </FONT></TD>
<TD align="left"><FONT COLOR = navy SIZE=2>--</FONT></TD>
<TD align="left"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD></TR>
<TR><TD align="center"></TD> <TD BGCOLOR="#ffc0c0" align="right"><FONT COLOR = navy SIZE=2>FreeDays : </FONT></TD>
<TD align="left"><FONT COLOR = navy SIZE=2>--</FONT></TD>
<TD align="left"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD></TR>
<TR><TD align="center"></TD> <TD BGCOLOR="#ffc0c0" align="right"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="left"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="left"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD align="center"><FONT COLOR = navy SIZE=2></FONT></TD></TR>
<TR><TD align="center"></TD> <TD BGCOLOR="#ffc0c0" align="right"><FONT COLOR = navy SIZE=2>Opens : </FONT></TD>
<TD colspan=4 align="left"><FONT COLOR = navy SIZE=2>(None)</FONT></TD></TR>
<TR><TD align="center"></TD> <TD BGCOLOR="#ffc0c0" align="right"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD colspan=4 align="left"><FONT COLOR = navy SIZE=2></FONT></TD></TR>
<TR><TD align="center"></TD> <TD BGCOLOR="#ffc0c0" align="right"><FONT COLOR = navy SIZE=2>Prompts : </FONT></TD>
<TD colspan=4 align="left"><FONT COLOR = navy SIZE=2>(None)</FONT></TD></TR>
<TR><TD align="center"></TD> <TD BGCOLOR="#ffc0c0" align="right"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD colspan=4 align="left"><FONT COLOR = navy SIZE=2></FONT></TD></TR>
<TR><TD align="center"></TD> <TD BGCOLOR="#ffc0c0" align="right"><FONT COLOR = navy SIZE=2>Needs : </FONT></TD>
<TD colspan=4 align="left"><FONT COLOR = navy SIZE=2>(None)</FONT></TD></TR>
<TR><TD align="center"></TD> <TD BGCOLOR="#ffc0c0" align="right"><FONT COLOR = navy SIZE=2></FONT></TD>
<TD colspan=4 align="left"><FONT COLOR = navy SIZE=2></FONT></TD></TR>
</TABLE>

<HTML><BODY><FONT FACE = "Arial"><TABLE border="2" width=95% cellpadding="3" cellspacing="3" Align="center" cols=9><CAPTION>...</CAPTION><THEAD BGCOLOR="#ffc0c0"><TR><TH>Seq. </TH><TH>At/Until </TH><TH>Workstation </TH><TH>JobName </TH><TH>Dependencies </TH><TH>Priority </TH><TH>Requires </TH><TH>Every </TH><TH>Prompt </TH></TR><THEAD BGCOLOR="#d2d2d2">
<TR><TD align="left"><FONT COLOR = black SIZE=1></FONT></TD>
</TR>
</FONT></BODY></HTML>
)";
  // The raw text above has bare line feeds; the document ends every line with CR LF.
  std::string withCrLf;
  for (char c : expected) {
    if (c == '\n' && (withCrLf.empty() || withCrLf.back() != '\r')) withCrLf += '\r';
    withCrLf += c;
  }
  EXPECT_EQ(ScheduleHtmlDocument(results), withCrLf);
}

TEST(ScheduleHtmlClauses, OnlyTheFirstAtItemAppearsWithUntil) {
  const Lines lines =
      ScheduleHtmlLines(DetailOf("SCHEDULE CPU1#S\nAT 0600,0700\nUNTIL 2200\n:\nEND\n", "CPU1#S"));
  EXPECT_EQ(lines[1], R"(<TR><TD align="center">)" + kNavy + "0600/2200" + kEnd);
  for (const std::string& line : lines) EXPECT_EQ(line.find("0700"), std::string::npos);
}

TEST(ScheduleHtmlClauses, ItemsFillTheirColumnRowByRowPastRowSeven) {
  const Lines lines = ScheduleHtmlLines(
      DetailOf("SCHEDULE CPU1#S\nFOLLOWS A1.@, A2.@,A3.@,A4.@,A5.@,A6.@,A7.@,A8.@,A9.@\n"
               "ON MO, TU\nEXCEPT X\nPRIORITY 10\nCARRYFORWARD\n:\nEND\n",
               "CPU1#S"));
  // Each row has six cells, one per line, after the title line.
  auto cell = [&lines](size_t row, size_t column) { return lines[1 + (row - 1) * 6 + column - 1]; };
  const std::string left = R"(<TD align="left">)" + kNavy,
                    center = R"(<TD align="center">)" + kNavy;
  EXPECT_EQ(cell(1, 4), left + "A1.@" + kEnd);
  EXPECT_EQ(cell(1, 5), center + "MO" + kEnd);
  EXPECT_EQ(cell(1, 6), center + "X" + kEnd + "</TR>");
  EXPECT_EQ(cell(2, 4), left + " A2.@" + kEnd);
  EXPECT_EQ(cell(2, 5), center + "TU" + kEnd);
  // Rows 3 to 7 put their label and the empty cell before it on one line; rows 8 on have an
  // empty label, an empty value, then the items; row 10 is the empty last one.
  // clang-format off
  const std::pair<size_t, std::string> cells[] = {
      {13, kLabelStart + kNavy + "Carried Forward : " + kEnd},
      {14, left + "Yes" + kEnd},  {15, left + "A3.@" + kEnd}, {19, left + "10" + kEnd},
      {20, left + "A4.@" + kEnd}, {38, kLabelStart + kNavy + kEnd}, {40, left + "A8.@" + kEnd},
      {45, left + "A9.@" + kEnd}, {50, left + kEnd}, {53, kLabelStart + kNavy + "Opens : " + kEnd}};
  // clang-format on
  for (const auto& [n, text] : cells) EXPECT_EQ(lines[n], text) << n;
}

TEST(ScheduleHtmlClauses, BlocksListEveryItemThenOneEmptyRow) {
  const Lines lines =
      ScheduleHtmlLines(DetailOf("SCHEDULE CPU1#S\nNEEDS 1 TAPE,2 DISK\n:\nEND\n", "CPU1#S"));
  const std::string wide = R"(<TD colspan=4 align="left">)";
  EXPECT_EQ(LineAfter(lines, "Needs : ", 1), wide + kNavy + "1 TAPE" + kEnd + "</TR>");
  EXPECT_EQ(LineAfter(lines, "Needs : ", 2), kLabelStart + kNavy + kEnd);
  EXPECT_EQ(LineAfter(lines, "Needs : ", 3), wide + kNavy + "2 DISK" + kEnd + "</TR>");
  EXPECT_EQ(LineAfter(lines, "Needs : ", 5), wide + kNavy + kEnd + "</TR>");
  EXPECT_EQ(LineAfter(lines, "Needs : ", 6), "</TABLE>");
}

TEST(ScheduleHtmlJobs, FirstRowsAndFollowingRowsOfAJob) {
  const Lines rows = JobTableRows(ScheduleHtmlLines(
      DetailOf("SCHEDULE CPU1#S\n:\n CPU2#J1\n   AT 0600\n   PROMPT P1,P2\n   NEEDS 1 TAPE\nEND\n",
               "CPU1#S")));
  const std::string empty = R"(<TD align="left">)" + kBlack + kEnd;
  const std::string yellow = R"(<TD BGCOLOR="#ffff80" align="left">)" + kBlack;
  // clang-format off
  Lines expected{R"(<TR><TD BGCOLOR="#c0ffc0" align="centre">)" + kBlack + "001" + kEnd,
                 R"(<TD align="center">)" + kBlack + "0600/----" + kEnd, yellow + "CPU2" + kEnd,
                 yellow + "J1" + kEnd, empty, empty, R"(<TD align="left">)" + kBlack + "1 TAPE" + kEnd,
                 empty, R"(<TD align="left">)" + kBlack + "P1" + kEnd, "</TR>", "<TR>" + empty};
  // clang-format on
  expected.insert(expected.end(), 7, empty);
  expected.insert(expected.end(), {R"(<TD align="left">)" + kBlack + "P2" + kEnd, "</TR>"});
  ASSERT_GE(rows.size(), expected.size());
  EXPECT_EQ(Lines(rows.begin(), rows.begin() + static_cast<long>(expected.size())), expected);
}

TEST(ScheduleHtmlJobs, WithoutASeqRowThereIsNoJobTable) {
  ResultList results;
  results.ReportNumber = 4;
  results.Header.Workstation = "CPU1";
  results.Header.ScheduleName = "S";
  results.AddRow("", {"At/Until"});
  const Lines lines = ScheduleHtmlLines(results);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(Lines(lines.end() - 3, lines.end()), (Lines{"</TABLE>", "", "</FONT></BODY></HTML>"}));
}

TEST(ScheduleHtmlJobs, OnlyRowsAfterTheFirstSeqRowAreWritten) {
  ResultList results;
  results.AddRow("BEFORE", {"x"});
  results.AddRow("Seq.", {"At/Until"});
  results.AddRow("002", {"a", "b", "c", "d"});
  const Lines rows = JobTableRows(ScheduleHtmlLines(results));
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_NE(rows[0].find(">002<"), std::string::npos);
  EXPECT_EQ(rows[4], R"(<TD align="left">)" + kBlack + "d" + kEnd);
  for (const std::string& row : rows) EXPECT_EQ(row.find("BEFORE"), std::string::npos);
}

TEST(ScheduleHtmlEscaping, AmpersandAndAngleBracketsBecomeEntities) {
  EXPECT_EQ(HtmlCellText("A&B<C>D\"E"), "A&amp;B&lt;C&gt;D\"E");
  const Lines lines = ScheduleHtmlLines(
      DetailOf("SCHEDULE CPU1#S\nOPENS /a&b\n:\n J<1>\n   OPENS /x>y\nEND\n", "CPU1#S"));
  EXPECT_EQ(LineAfter(lines, "Opens : ", 1),
            R"(<TD colspan=4 align="left">)" + kNavy + "/a&amp;b" + kEnd + "</TR>");
  const Lines rows = JobTableRows(lines);
  EXPECT_EQ(rows[3], R"(<TD BGCOLOR="#ffff80" align="left">)" + kBlack + "J&lt;1&gt;" + kEnd);
  EXPECT_EQ(rows[4], R"(<TD align="left">)" + kBlack + "/x&gt;y" + kEnd);
}

TEST(HtmlExportFiles, TheBrowserFileSitsInTheSavesDirectory) {
  EXPECT_EQ(HtmlTempFilePath("/home/u/Saves/"), "/home/u/Saves/&&VarnoltDBQ_Temp.htm");
  EXPECT_EQ(HtmlSavedStatus("/tmp/x.htm"), "Report Saved As: /tmp/x.htm");
  EXPECT_EQ(OverwriteQuestion("/tmp/x.htm"),
            "File: \"/tmp/x.htm\" exists!\rAre you sure you want to overwrite?");
}

TEST(HtmlExportFiles, OnlyAScheduleDetailReportCanBeExported) {
  ReportFixture fx({{"Schedules.Xtract", std::string("SCHEDULE CPU1#S\n:\nEND\n")}});
  EXPECT_FALSE(HtmlExportAvailable(fx.Results));
  fx.Run("S#4", "CPU1#S");
  EXPECT_TRUE(HtmlExportAvailable(fx.Results));
  fx.Run("S#1");
  EXPECT_FALSE(HtmlExportAvailable(fx.Results));
}

}  // namespace
}  // namespace vdbq
