#include "gui/widgets/busy_indicator.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

namespace vdbq::gui {
namespace {

constexpr int kSteps = 40;
constexpr int kStepMs = 50;

}  // namespace

BusyIndicator::BusyIndicator(QWidget* parent) : QWidget(parent) {
  setMinimumHeight(8);
  timer_.setInterval(kStepMs);
  connect(&timer_, &QTimer::timeout, this, &BusyIndicator::Advance);
}

void BusyIndicator::SetEnabledBySetting(bool on) {
  allowed_ = on;
  if (!on) Stop();
}

void BusyIndicator::Start() {
  if (!allowed_ || timer_.isActive()) return;
  timer_.start();
  update();
}

void BusyIndicator::Stop() {
  timer_.stop();
  step_ = 0;
  update();
}

void BusyIndicator::Advance() {
  step_ = (step_ + 1) % (2 * kSteps);
  update();
}

void BusyIndicator::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QColor(90, 100, 120));
  p.setBrush(QColor(40, 48, 62));
  p.drawRoundedRect(track, 3, 3);
  if (!timer_.isActive()) return;
  // The light bounces between the ends.
  const int phase = step_ < kSteps ? step_ : 2 * kSteps - step_;
  const double centre = track.left() + track.width() * phase / kSteps;
  const double half = track.width() / 5;
  QLinearGradient glow(centre - half, 0, centre + half, 0);
  glow.setColorAt(0, QColor(255, 140, 30, 0));
  glow.setColorAt(0.5, QColor(255, 200, 80, 255));
  glow.setColorAt(1, QColor(255, 140, 30, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawRoundedRect(track.adjusted(1, 1, -1, -1), 2, 2);
}

}  // namespace vdbq::gui
