#pragma once

#include <QTimer>
#include <QWidget>

namespace vdbq::gui {

// The report panel's busy indicator: a light that sweeps to and fro while it runs, and rests
// dimmed otherwise.
class BusyIndicator : public QWidget {
  Q_OBJECT
 public:
  explicit BusyIndicator(QWidget* parent = nullptr);

  // Whether the indicator may run at all (the "Strobe" setting).
  void SetEnabledBySetting(bool on);
  void Start();
  void Stop();
  bool Running() const { return timer_.isActive(); }
  // Moves the light one step; the report progress calls it between its event passes.
  void Advance();

  QSize sizeHint() const override { return {150, 10}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer timer_;
  bool allowed_ = true;
  int step_ = 0;
};

}  // namespace vdbq::gui
