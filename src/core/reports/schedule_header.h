#pragma once

#include <string>

namespace vdbq {

// The clause texts of one schedule as the detail report collects them; each is emptied at the
// start of every detail run and kept afterwards for the HTML document.
struct ScheduleHeader {
  std::string Workstation;
  std::string ScheduleName;
  std::string At;
  std::string Until;
  std::string Follows;
  std::string On;
  std::string Except;
  std::string CarryForward;
  std::string Priority;
  std::string Limit;
  std::string InOrder;
  std::string Freedays;
  std::string Opens;
  std::string Prompts;
  std::string Needs;
};

}  // namespace vdbq
