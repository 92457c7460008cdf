#pragma once

#include <QLabel>
#include <QWidget>
#include <string>

#include "core/views/workstation_page.h"

namespace vdbq::gui {

// The workstation page TabCpu.
class WorkstationPageWidget : public QWidget {
  Q_OBJECT
 public:
  explicit WorkstationPageWidget(QWidget* parent = nullptr);

  void Show(const ExtractStore& store, const Catalogue& catalogue, const std::string& name);
  const WorkstationPage& Page() const { return page_; }

 private:
  void Render();

  WorkstationPage page_;
  QLabel* name_;
  QLabel* osPicture_;
  QLabel* desc_;
  QLabel* node_;
  QLabel* tcp_;
  QLabel* timezone_;
  QLabel* domain_;
  QLabel* forUser_;
  QLabel* type_;
  QLabel* host_;
  QLabel* access_;
  QLabel* server_;
  QLabel* autoLink_;
  QLabel* fullStatus_;
  QLabel* resolveDep_;
  QLabel* ignore_;
  QLabel* behindFirewall_;
};

}  // namespace vdbq::gui
