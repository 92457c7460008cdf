#include "gui/transfer/transfer_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmapCache>
#include <QRadialGradient>

#include "gui/resources/pictures.h"

namespace vdbq::gui {
namespace {

constexpr int kQuestionSize = 48;
constexpr int kFaceWidth = 96;
constexpr int kFaceHeight = 30;

QPixmap Blank(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QPixmap DrawQuestion() {
  QPixmap pixmap = Blank(kQuestionSize, kQuestionSize);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QColor blue(30, 90, 170);
  const QRectF disc(3, 3, kQuestionSize - 6, kQuestionSize - 6);
  QRadialGradient ground(disc.center() - QPointF(7, 8), disc.width() * 0.75);
  ground.setColorAt(0, blue.lighter(190));
  ground.setColorAt(1, blue);
  p.setPen(QPen(blue.darker(150), 1.5));
  p.setBrush(ground);
  p.drawEllipse(disc);
  QFont font = p.font();
  font.setPixelSize(30);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(0, 0, 0, 90));
  p.drawText(disc.translated(1.5, 1.5), Qt::AlignCenter, QStringLiteral("?"));
  p.setPen(Qt::white);
  p.drawText(disc, Qt::AlignCenter, QStringLiteral("?"));
  return pixmap;
}

QPixmap DrawFace(bool yes, bool hovered) {
  QPixmap pixmap = Blank(kFaceWidth, kFaceHeight);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QColor base = yes ? QColor(40, 130, 60) : QColor(170, 40, 40);
  const QColor shown = hovered ? base.lighter(125) : base;
  const QRectF tile(0.5, 0.5, kFaceWidth - 1, kFaceHeight - 1);
  QLinearGradient ground(tile.topLeft(), tile.bottomLeft());
  ground.setColorAt(0, shown.lighter(150));
  ground.setColorAt(1, shown);
  p.setPen(QPen(hovered ? QColor(255, 220, 120) : base.darker(160), hovered ? 1.5 : 1));
  p.setBrush(ground);
  p.drawRoundedRect(tile, 6, 6);
  const QPixmap mark = PagePicture(yes ? Picture::Yes : Picture::No);
  p.drawPixmap(10, (kFaceHeight - mark.height()) / 2, mark);
  QFont font = p.font();
  font.setPixelSize(13);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(30, 0, kFaceWidth - 38, kFaceHeight), Qt::AlignCenter,
             yes ? QStringLiteral("Yes") : QStringLiteral("No"));
  return pixmap;
}

template <typename Draw>
QPixmap Cached(const QString& key, Draw draw) {
  QPixmap pixmap;
  if (!QPixmapCache::find(key, &pixmap)) {
    pixmap = draw();
    QPixmapCache::insert(key, pixmap);
  }
  return pixmap;
}

}  // namespace

QPixmap QuestionPicture() { return Cached(QStringLiteral("transfer/question"), DrawQuestion); }

QPixmap AnswerFace(bool yes, bool hovered) {
  return Cached(QStringLiteral("transfer/%1%2").arg(yes ? 1 : 0).arg(hovered ? 1 : 0),
                [yes, hovered] { return DrawFace(yes, hovered); });
}

}  // namespace vdbq::gui
