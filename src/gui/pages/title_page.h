#pragma once

#include <QLabel>
#include <QWidget>

#include "core/catalogue/catalogue.h"

namespace vdbq::gui {

// Where the title page's and the About box's web label leads.
inline constexpr const char* kWebAddress = "https://varnoltdbq.example.org/";

// The title page TabTotals: what the program is, the totals of the loaded database, and the
// way to the installation instructions.
class TitlePage : public QWidget {
  Q_OBJECT
 public:
  explicit TitlePage(QWidget* parent = nullptr);

  void SetTotals(const CatalogueTotals& totals);

 signals:
  void installationRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* totSch_;
  QLabel* totJob_;
  QLabel* totCpu_;
  QLabel* totCal_;
  QLabel* totRes_;
  QLabel* totPar_;
  QLabel* totPro_;
};

}  // namespace vdbq::gui
