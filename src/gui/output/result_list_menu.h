#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>

#include "core/reports/result_list.h"

class QAbstractItemView;

namespace vdbq::gui {

class ResultModel;

// PopupMenu2, the result list's context menu. The main window connects its entries.
class ResultListMenu : public QObject {
  Q_OBJECT
 public:
  // Opens on a right click in `list`, except while a report is filling it.
  ResultListMenu(const ResultList& results, const ResultModel& model, QAbstractItemView& list,
                 QObject* parent = nullptr);
  ~ResultListMenu() override;

  QMenu* Menu() const { return menu_; }
  // The HTML entries serve only a schedule detail report; everything else always works.
  void UpdateEntries();

  QAction* ExportToCsvFile;
  QAction* CopyCsvToClipboard;
  QAction* ExportToHtmlFile;
  QAction* ViewInBrowser;
  QAction* CopyAsBitmap;
  QAction* PrintReport;

 private:
  const ResultList& results_;
  const ResultModel& model_;
  QMenu* menu_;
};

}  // namespace vdbq::gui
