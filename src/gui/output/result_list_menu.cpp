#include "gui/output/result_list_menu.h"

#include <QAbstractItemView>

#include "core/output/html_report.h"
#include "gui/report/result_model.h"

namespace vdbq::gui {
namespace {

QAction* Entry(QMenu* menu, const char* name, const char* text) {
  QAction* action = menu->addAction(QString::fromLatin1(text));
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

ResultListMenu::ResultListMenu(const ResultList& results, const ResultModel& model,
                               QAbstractItemView& list, QObject* parent)
    : QObject(parent), results_(results), model_(model), menu_(new QMenu(&list)) {
  menu_->setObjectName(QStringLiteral("PopupMenu2"));
  ExportToCsvFile = Entry(menu_, "ExportToCSVFile1", "Export To CSV File");
  CopyCsvToClipboard = Entry(menu_, "CopyToClipBoardAsCSVData1", "Copy To ClipBoard As CSV Data");
  menu_->addSeparator();
  ExportToHtmlFile = Entry(menu_, "ExportToHTMLFile1", "Export To HTML File");
  ViewInBrowser = Entry(menu_, "ViewInInternetExplorer1", "View In Default Web Browser");
  menu_->addSeparator();
  CopyAsBitmap = Entry(menu_, "MakeBMP", "Copy To ClipBoard As Bitmap");
  menu_->addSeparator();
  PrintReport = Entry(menu_, "PrintListing1", "Print Report");
  connect(menu_, &QMenu::aboutToShow, this, &ResultListMenu::UpdateEntries);

  list.setContextMenuPolicy(Qt::CustomContextMenu);
  connect(&list, &QWidget::customContextMenuRequested, this, [this, &list](const QPoint& at) {
    if (model_.Running()) return;
    menu_->popup(list.viewport()->mapToGlobal(at));
  });
}

ResultListMenu::~ResultListMenu() = default;

void ResultListMenu::UpdateEntries() {
  const bool html = HtmlExportAvailable(results_);
  ExportToHtmlFile->setEnabled(html);
  ViewInBrowser->setEnabled(html);
}

}  // namespace vdbq::gui
