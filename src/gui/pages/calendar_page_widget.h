#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QWidget>
#include <string>

#include "core/views/calendar_page.h"

namespace vdbq::gui {

// The calendar page TabCal: the calendar's description and its dates.
class CalendarPageWidget : public QWidget {
  Q_OBJECT
 public:
  explicit CalendarPageWidget(QWidget* parent = nullptr);

  void Show(const ExtractStore& store, const Catalogue& catalogue, const std::string& name);
  const CalendarPage& Page() const { return page_; }

  // Opens what depends on the object shown.
  QToolButton* ImpactButton() const { return impact_; }

 private:
  QToolButton* impact_;
  CalendarPage page_;
  QLabel* name_;
  QLabel* desc_;
  QPlainTextEdit* dates_;
};

}  // namespace vdbq::gui
