#pragma once

#include <QLabel>
#include <QToolButton>
#include <QWidget>
#include <string>

#include "core/views/job_page.h"
#include "gui/widgets/click_label.h"

namespace vdbq::gui {

// The job page TabJob. Clicking the job name, the command or the description copies it.
class JobPageWidget : public QWidget {
  Q_OBJECT
 public:
  explicit JobPageWidget(QWidget* parent = nullptr);

  void Show(const ExtractStore& store, const Catalogue& catalogue, const std::string& cpu,
            const std::string& name);
  const JobPage& Page() const { return page_; }

  // Opens what depends on the object shown.
  QToolButton* ImpactButton() const { return impact_; }

 signals:
  // The bytes of the clicked value, for the clipboard.
  void copyRequested(const std::string& text);

 private:
  QToolButton* impact_;
  void Render();

  JobPage page_;
  QLabel* job_;
  QLabel* cpu_;
  QLabel* osPicture_;
  ClickLabel* name2_;
  QLabel* cmdType_;
  ClickLabel* cmd_;
  QLabel* platform_;
  QLabel* logon_;
  ClickLabel* desc_;
  QLabel* recovery_;
  QLabel* interactive_;
};

}  // namespace vdbq::gui
