#pragma once

#include "gui/output/output_context.h"

class QWidget;

namespace vdbq::gui {

class SchedulePageWidget;

// The schedule print, and the result list printed and copied as a picture.
class PrintCommands {
 public:
  PrintCommands(OutputContext context, QWidget& resultList, const SchedulePageWidget& schedulePage)
      : context_(std::move(context)), resultList_(resultList), schedulePage_(schedulePage) {}

  // MenuPrintClick: the schedule shown on the schedule page, with a new time stamp.
  void PrintCurrentSchedule();
  // PrintListing1Click: the result list as shown, the visible rows only.
  void PrintResultList();
  // MakeBMPClick: a picture of the result list to the clipboard.
  void CopyResultListPicture();

 private:
  OutputContext context_;
  QWidget& resultList_;
  const SchedulePageWidget& schedulePage_;
};

}  // namespace vdbq::gui
