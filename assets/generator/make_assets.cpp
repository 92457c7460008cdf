// Draws every picture and synthesises every sound the desktop program carries, into the
// directory given as the only argument (assets/ of the source tree). Run it through the
// build target regenerate_assets after changing a drawing; the output is committed so that a
// build never depends on fonts or a display.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QString outDir;

// Pictures are drawn at four times their size and scaled down, which gives clean edges at
// 16 by 16 pixels.
constexpr int kOversample = 4;

using Drawing = std::function<void(QPainter&, double size)>;

QImage Render(int width, int height, const Drawing& draw, int oversample = kOversample) {
  QImage big(width * oversample, height * oversample, QImage::Format_ARGB32_Premultiplied);
  big.fill(Qt::transparent);
  {
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(oversample, oversample);
    draw(p, std::min(width, height));
  }
  return big.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void Save(const QImage& image, const QString& name, const char* format = "PNG", int quality = -1) {
  const QString path = outDir + QLatin1Char('/') + name;
  QDir().mkpath(QFileInfo(path).absolutePath());
  if (!image.save(path, format, quality)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
}

QColor Lighter(const QColor& c, int f = 130) { return c.lighter(f); }

// A rounded tile with a soft vertical gradient: the ground of most small pictures.
void Tile(QPainter& p, const QRectF& r, const QColor& base, double radius) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, Lighter(base, 150));
  g.setColorAt(1, base);
  p.setPen(QPen(base.darker(160), 0.8));
  p.setBrush(g);
  p.drawRoundedRect(r, radius, radius);
}

// ---- Motifs, drawn in a 16 by 16 box --------------------------------------------------------

void Monitor(QPainter& p, const QColor& screen) {
  p.setPen(QPen(QColor(40, 40, 60), 0.9));
  p.setBrush(QColor(70, 75, 90));
  p.drawRoundedRect(QRectF(1.5, 2, 13, 9.5), 1.2, 1.2);
  QLinearGradient g(0, 3, 0, 10);
  g.setColorAt(0, Lighter(screen, 160));
  g.setColorAt(1, screen);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRect(QRectF(3, 3.5, 10, 6.5));
  p.setBrush(QColor(70, 75, 90));
  p.drawRect(QRectF(6.5, 11.5, 3, 1.8));
  p.drawRoundedRect(QRectF(4, 13, 8, 1.8), 0.8, 0.8);
}

void CalendarSheet(QPainter& p, const QColor& band) {
  p.setPen(QPen(QColor(60, 60, 70), 0.9));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(1.5, 2.5, 13, 12), 1.2, 1.2);
  p.setPen(Qt::NoPen);
  p.setBrush(band);
  p.drawRect(QRectF(2, 3, 12, 3.2));
  p.setBrush(QColor(90, 90, 110));
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 4; ++col) {
      p.drawRect(QRectF(3.2 + col * 2.6, 7.5 + row * 2.2, 1.5, 1.3));
    }
  }
  p.setBrush(QColor(60, 60, 70));
  p.drawRoundedRect(QRectF(4, 1, 1.4, 3.2), 0.6, 0.6);
  p.drawRoundedRect(QRectF(10.6, 1, 1.4, 3.2), 0.6, 0.6);
}

void ClockFace(QPainter& p, const QPointF& c, double r, const QColor& rim) {
  p.setPen(QPen(rim.darker(150), 0.8));
  p.setBrush(Qt::white);
  p.drawEllipse(c, r, r);
  p.setPen(QPen(QColor(30, 30, 40), 0.9, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c, c + QPointF(0, -r * 0.7));
  p.drawLine(c, c + QPointF(r * 0.55, 0));
}

void ScheduleMotif(QPainter& p, const QColor& band) {
  CalendarSheet(p, band);
  ClockFace(p, QPointF(11.3, 11.3), 3.6, band);
}

void Gear(QPainter& p, const QPointF& c, double r, const QColor& colour) {
  QPainterPath path;
  const int teeth = 8;
  for (int i = 0; i < teeth * 2; ++i) {
    const double a0 = (i * M_PI) / teeth;
    const double a1 = ((i + 1) * M_PI) / teeth;
    const double rr = (i % 2 == 0) ? r : r * 0.74;
    const QPointF p0 = c + QPointF(std::cos(a0) * rr, std::sin(a0) * rr);
    const QPointF p1 = c + QPointF(std::cos(a1) * rr, std::sin(a1) * rr);
    if (i == 0)
      path.moveTo(p0);
    else
      path.lineTo(p0);
    path.lineTo(p1);
  }
  path.closeSubpath();
  QPainterPath hole;
  hole.addEllipse(c, r * 0.32, r * 0.32);
  path = path.subtracted(hole);
  QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.4);
  g.setColorAt(0, Lighter(colour, 170));
  g.setColorAt(1, colour);
  p.setPen(QPen(colour.darker(170), 0.7));
  p.setBrush(g);
  p.drawPath(path);
}

void JobMotif(QPainter& p, const QColor& colour) { Gear(p, QPointF(8, 8), 6.8, colour); }

void TapeMotif(QPainter& p, const QColor& colour) {
  Tile(p, QRectF(1, 3.5, 14, 9.5), colour, 1.5);
  p.setPen(QPen(QColor(30, 30, 40), 0.8));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(5, 8.2), 2.2, 2.2);
  p.drawEllipse(QPointF(11, 8.2), 2.2, 2.2);
  p.setBrush(QColor(30, 30, 40));
  p.drawEllipse(QPointF(5, 8.2), 0.7, 0.7);
  p.drawEllipse(QPointF(11, 8.2), 0.7, 0.7);
}

void BubbleMotif(QPainter& p, const QColor& colour) {
  QPainterPath path;
  path.addRoundedRect(QRectF(1, 2, 14, 9.5), 3, 3);
  QPainterPath tail;
  tail.moveTo(4, 10.5);
  tail.lineTo(3.5, 14.5);
  tail.lineTo(8, 10.5);
  tail.closeSubpath();
  path = path.united(tail);
  QLinearGradient g(0, 2, 0, 12);
  g.setColorAt(0, Lighter(colour, 160));
  g.setColorAt(1, colour);
  p.setPen(QPen(colour.darker(170), 0.8));
  p.setBrush(g);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(8, 8.8), 0.9, 0.9);
  p.drawRoundedRect(QRectF(7.2, 3.4, 1.6, 4), 0.7, 0.7);
}

void ParameterMotif(QPainter& p, const QColor& colour) {
  Tile(p, QRectF(1, 1.5, 14, 13), colour, 2);
  QFont f(QStringLiteral("DejaVu Sans Mono"));
  f.setPixelSize(9);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRectF(1, 1.5, 14, 13), Qt::AlignCenter, QStringLiteral("$="));
}

void CrossMark(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 20, 20));
  p.drawEllipse(QPointF(12, 12), 3.8, 3.8);
  p.setPen(QPen(Qt::white, 1.3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10.4, 10.4), QPointF(13.6, 13.6));
  p.drawLine(QPointF(13.6, 10.4), QPointF(10.4, 13.6));
}

// The selected twin of a tree picture: the same motif on a warm glow.
Drawing Selected(const Drawing& motif) {
  return [motif](QPainter& p, double) {
    QRadialGradient g(QPointF(8, 8), 9);
    g.setColorAt(0, QColor(255, 235, 120, 230));
    g.setColorAt(1, QColor(255, 200, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(8, 8), 8.5, 8.5);
    motif(p, 16);
  };
}

const QColor kSteel(70, 110, 170);
const QColor kTeal(30, 140, 140);
const QColor kOrange(230, 140, 40);
const QColor kPurple(130, 80, 170);
const QColor kGreen(60, 150, 70);
const QColor kRed(190, 50, 50);
const QColor kBrown(150, 100, 50);
const QColor kGrey(130, 130, 140);

std::vector<Drawing> TreeMotifs() {
  // Index by picture pair: 0 workstation heading, 1 schedules, 2 jobs, 3 workstation,
  // 4 resource, 5 prompt, 6 parameter, 7 calendar, 8 invalid schedule, 9 invalid job,
  // 10 invalid workstation.
  return {
      [](QPainter& p, double) {
        Monitor(p, kSteel);
        p.setPen(QPen(Qt::white, 0.8));
        p.drawLine(QPointF(4, 5), QPointF(9, 5));
        p.drawLine(QPointF(4, 7), QPointF(11, 7));
      },
      [](QPainter& p, double) { ScheduleMotif(p, kRed); },
      [](QPainter& p, double) { JobMotif(p, kOrange); },
      [](QPainter& p, double) { Monitor(p, kTeal); },
      [](QPainter& p, double) { TapeMotif(p, kBrown); },
      [](QPainter& p, double) { BubbleMotif(p, kPurple); },
      [](QPainter& p, double) { ParameterMotif(p, kGreen); },
      [](QPainter& p, double) { CalendarSheet(p, kSteel); },
      [](QPainter& p, double) {
        ScheduleMotif(p, kGrey);
        CrossMark(p);
      },
      [](QPainter& p, double) {
        JobMotif(p, kGrey);
        CrossMark(p);
      },
      [](QPainter& p, double) {
        Monitor(p, kGrey);
        CrossMark(p);
      },
  };
}

void MakeTreePictures() {
  const std::vector<Drawing> motifs = TreeMotifs();
  for (size_t pair = 0; pair < motifs.size(); ++pair) {
    const int normal = static_cast<int>(pair) * 2;
    Save(Render(16, 16, motifs[pair]),
         QStringLiteral("pictures/tree/%1.png").arg(normal, 2, 10, QLatin1Char('0')));
    Save(Render(16, 16, Selected(motifs[pair])),
         QStringLiteral("pictures/tree/%1.png").arg(normal + 1, 2, 10, QLatin1Char('0')));
  }
}

// ---- Category buttons -----------------------------------------------------------------------

struct Category {
  const char* name;
  Drawing motif;
  QColor colour;
};

void ReportMotif(QPainter& p, const QColor& colour) {
  p.setPen(QPen(QColor(60, 60, 70), 0.9));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(2.5, 1.5, 11, 13), 1, 1);
  const QColor rows[] = {QColor(255, 192, 192), QColor(192, 255, 192), QColor(255, 255, 128),
                         QColor(192, 192, 255)};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 4; ++i) {
    p.setBrush(rows[i]);
    p.drawRect(QRectF(4, 3.5 + i * 2.6, 8, 1.8));
  }
  p.setBrush(colour);
  p.drawRect(QRectF(4, 3.5, 2.5, 9.6));
}

void MakeCategoryFaces() {
  const std::vector<Category> categories{
      {"cpu", [](QPainter& p, double) { Monitor(p, kTeal); }, kTeal},
      {"sch", [](QPainter& p, double) { ScheduleMotif(p, kRed); }, kRed},
      {"job", [](QPainter& p, double) { JobMotif(p, kOrange); }, kOrange},
      {"cal", [](QPainter& p, double) { CalendarSheet(p, kSteel); }, kSteel},
      {"par", [](QPainter& p, double) { ParameterMotif(p, kGreen); }, kGreen},
      {"pro", [](QPainter& p, double) { BubbleMotif(p, kPurple); }, kPurple},
      {"res", [](QPainter& p, double) { TapeMotif(p, kBrown); }, kBrown},
      {"rep", [](QPainter& p, double) { ReportMotif(p, kSteel); }, kSteel},
  };
  constexpr int kFace = 36;
  for (const Category& c : categories) {
    // Normal: a quiet grey button with a faded motif. Highlighted: a lit button in the
    // category's colour; it doubles as the icon of the category's page.
    const Drawing normal = [&c](QPainter& p, double s) {
      Tile(p, QRectF(1, 1, s - 2, s - 2), QColor(185, 185, 190), 5);
      p.save();
      p.translate(s / 2 - 11, s / 2 - 11);
      p.scale(22.0 / 16, 22.0 / 16);
      p.setOpacity(0.55);
      c.motif(p, 16);
      p.restore();
    };
    const Drawing lit = [&c](QPainter& p, double s) {
      QRadialGradient g(QPointF(s / 2, s / 2 - 3), s * 0.75);
      g.setColorAt(0, Lighter(c.colour, 190));
      g.setColorAt(1, c.colour);
      p.setPen(QPen(c.colour.darker(170), 1));
      p.setBrush(g);
      p.drawRoundedRect(QRectF(1, 1, s - 2, s - 2), 5, 5);
      p.save();
      p.translate(s / 2 - 12, s / 2 - 12);
      p.scale(24.0 / 16, 24.0 / 16);
      c.motif(p, 16);
      p.restore();
    };
    Save(Render(kFace, kFace, normal), QStringLiteral("pictures/category/%1.png").arg(c.name));
    Save(Render(kFace, kFace, lit), QStringLiteral("pictures/category/%1_lit.png").arg(c.name));
  }
}

// ---- Panel buttons --------------------------------------------------------------------------

void Arrow(QPainter& p, const QRectF& r, bool right) {
  QPainterPath path;
  const double cx = r.center().x();
  const double cy = r.center().y();
  const double w = r.width() * 0.22;
  const double h = r.height() * 0.28;
  if (right) {
    path.moveTo(cx - w, cy - h);
    path.lineTo(cx + w, cy);
    path.lineTo(cx - w, cy + h);
  } else {
    path.moveTo(cx + w, cy - h);
    path.lineTo(cx - w, cy);
    path.lineTo(cx + w, cy + h);
  }
  path.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(path);
}

void RoundButton(QPainter& p, const QRectF& r, const QColor& colour) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, Lighter(colour, 170));
  g.setColorAt(0.5, colour);
  g.setColorAt(1, colour.darker(130));
  p.setPen(QPen(colour.darker(180), 1));
  p.setBrush(g);
  p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
}

void MakeButtons() {
  const QColor idle(60, 90, 150);
  const QColor hover(220, 120, 30);
  for (const bool isHover : {false, true}) {
    const QColor c = isHover ? hover : idle;
    const QString suffix = isHover ? QStringLiteral("_hover") : QString();
    Save(Render(22, 22,
                [c](QPainter& p, double) {
                  RoundButton(p, QRectF(1, 1, 20, 20), c);
                  Arrow(p, QRectF(1, 1, 20, 20), true);
                }),
         QStringLiteral("pictures/buttons/next%1.png").arg(suffix));
    Save(Render(22, 22,
                [c](QPainter& p, double) {
                  RoundButton(p, QRectF(1, 1, 20, 20), c);
                  Arrow(p, QRectF(1, 1, 20, 20), false);
                }),
         QStringLiteral("pictures/buttons/previous%1.png").arg(suffix));
    const QColor go = isHover ? hover : QColor(40, 140, 60);
    Save(Render(40, 22,
                [go](QPainter& p, double) {
                  RoundButton(p, QRectF(1, 1, 38, 20), go);
                  QFont f(QStringLiteral("DejaVu Sans"));
                  f.setPixelSize(11);
                  f.setBold(true);
                  p.setFont(f);
                  p.setPen(Qt::white);
                  p.drawText(QRectF(1, 1, 38, 20), Qt::AlignCenter, QStringLiteral("GO"));
                }),
         QStringLiteral("pictures/buttons/go%1.png").arg(suffix));
  }
}

// ---- Page pictures --------------------------------------------------------------------------

void Badge(const QString& name, const QColor& colour, const QString& text,
           const Drawing& extra = nullptr) {
  Save(Render(32, 32,
              [&](QPainter& p, double) {
                Tile(p, QRectF(1, 1, 30, 30), colour, 6);
                if (extra) extra(p, 32);
                if (text.isEmpty()) return;
                QFont f(QStringLiteral("DejaVu Sans"));
                f.setPixelSize(text.size() > 3 ? 8 : 10);
                f.setBold(true);
                p.setFont(f);
                p.setPen(Qt::white);
                p.drawText(QRectF(1, 15, 30, 15), Qt::AlignCenter, text);
              }),
       QStringLiteral("pictures/os/%1.png").arg(name));
}

void MakeOsPictures() {
  Badge(QStringLiteral("windows"), QColor(30, 120, 200), QStringLiteral("WNT"),
        [](QPainter& p, double) {
          p.setPen(Qt::NoPen);
          const QColor panes[] = {QColor(240, 90, 40), QColor(120, 190, 40), QColor(0, 170, 240),
                                  QColor(255, 190, 0)};
          for (int i = 0; i < 4; ++i) {
            p.setBrush(panes[i]);
            p.drawRect(QRectF(10 + (i % 2) * 6.2, 4 + (i / 2) * 5.2, 5.4, 4.6));
          }
        });
  Badge(QStringLiteral("unix"), QColor(60, 60, 70), QStringLiteral("UNIX"),
        [](QPainter& p, double) {
          QFont f(QStringLiteral("DejaVu Sans Mono"));
          f.setPixelSize(11);
          f.setBold(true);
          p.setFont(f);
          p.setPen(QColor(120, 230, 120));
          p.drawText(QRectF(1, 3, 30, 13), Qt::AlignCenter, QStringLiteral("$_"));
        });
  Badge(QStringLiteral("mpix"), QColor(140, 60, 140), QStringLiteral("MPIX"),
        [](QPainter& p, double) { Gear(p, QPointF(16, 10), 5.5, QColor(230, 200, 240)); });
  Badge(QStringLiteral("mpev"), QColor(170, 80, 40), QStringLiteral("MPEV"),
        [](QPainter& p, double) { Gear(p, QPointF(16, 10), 5.5, QColor(250, 220, 190)); });
  Badge(QStringLiteral("sap"), QColor(20, 110, 170), QStringLiteral("SAP"),
        [](QPainter& p, double) {
          p.setPen(Qt::NoPen);
          p.setBrush(QColor(230, 190, 40));
          QPainterPath path;
          path.moveTo(7, 4);
          path.lineTo(25, 4);
          path.lineTo(18, 14);
          path.lineTo(7, 14);
          path.closeSubpath();
          p.drawPath(path);
        });
  Badge(QStringLiteral("unknown"), QColor(150, 150, 155), QString(), [](QPainter& p, double) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(22);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(200, 30, 30));
    p.drawText(QRectF(1, 1, 30, 30), Qt::AlignCenter, QStringLiteral("?"));
  });

  const auto yesNo = [](bool yes) {
    return [yes](QPainter& p, double) {
      const QColor c = yes ? QColor(40, 160, 60) : QColor(200, 40, 40);
      QRadialGradient g(QPointF(7, 6), 9);
      g.setColorAt(0, Lighter(c, 170));
      g.setColorAt(1, c);
      p.setPen(QPen(c.darker(160), 0.8));
      p.setBrush(g);
      p.drawEllipse(QPointF(8, 8), 7, 7);
      p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(Qt::NoBrush);
      if (yes) {
        QPainterPath tick;
        tick.moveTo(4.6, 8.2);
        tick.lineTo(7.2, 10.8);
        tick.lineTo(11.6, 5.4);
        p.drawPath(tick);
      } else {
        p.drawLine(QPointF(5.3, 5.3), QPointF(10.7, 10.7));
        p.drawLine(QPointF(10.7, 5.3), QPointF(5.3, 10.7));
      }
    };
  };
  Save(Render(16, 16, yesNo(true)), QStringLiteral("pictures/flags/yes.png"));
  Save(Render(16, 16, yesNo(false)), QStringLiteral("pictures/flags/no.png"));

  Save(Render(16, 16,
              [](QPainter& p, double) {
                p.setPen(QPen(QColor(60, 60, 70), 0.9));
                p.setBrush(QColor(240, 240, 240));
                p.drawRoundedRect(QRectF(2.5, 6.5, 11, 6), 1, 1);
                p.setBrush(Qt::white);
                p.drawRect(QRectF(4.5, 2.5, 7, 4));
                p.drawRect(QRectF(4.5, 10.5, 7, 4));
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(40, 160, 60));
                p.drawEllipse(QPointF(12, 8.5), 0.8, 0.8);
              }),
       QStringLiteral("pictures/flags/print.png"));
}

// ---- Logo, icon and backgrounds -------------------------------------------------------------

void LogoMark(QPainter& p, const QRectF& r) {
  // Three stacked database discs crossed by a magnifying glass.
  const double w = r.width() * 0.62;
  const double x = r.left() + r.width() * 0.06;
  const double h = r.height() * 0.2;
  for (int i = 2; i >= 0; --i) {
    const double y = r.top() + r.height() * (0.18 + i * 0.2);
    QLinearGradient g(x, 0, x + w, 0);
    g.setColorAt(0, QColor(40, 120, 190));
    g.setColorAt(0.5, QColor(120, 190, 240));
    g.setColorAt(1, QColor(30, 90, 160));
    p.setPen(QPen(QColor(20, 50, 100), r.width() / 64));
    p.setBrush(g);
    QPainterPath body;
    body.addRect(QRectF(x, y, w, h));
    p.drawRect(QRectF(x, y, w, h));
    p.setBrush(QColor(170, 215, 250));
    p.drawEllipse(QRectF(x, y - h * 0.35, w, h * 0.7));
  }
  const QPointF c(r.left() + r.width() * 0.66, r.top() + r.height() * 0.56);
  const double lr = r.width() * 0.2;
  p.setPen(QPen(QColor(230, 140, 30), r.width() / 14, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(lr * 0.7, lr * 0.7), c + QPointF(lr * 1.6, lr * 1.6));
  p.setPen(QPen(QColor(250, 250, 250), r.width() / 22));
  p.setBrush(QColor(255, 255, 255, 90));
  p.drawEllipse(c, lr, lr);
}

// The program's icon, drawn on a 64 by 64 grid and scaled to size.
QImage AppIcon(int size) {
  return Render(size, size, [size](QPainter& p, double) {
    p.scale(size / 64.0, size / 64.0);
    QLinearGradient g(0, 0, 0, 64);
    g.setColorAt(0, QColor(40, 70, 120));
    g.setColorAt(1, QColor(20, 35, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, 62, 62), 12, 12);
    LogoMark(p, QRectF(6, 6, 52, 52));
  });
}

void MakeLogo() {
  Save(Render(
           150, 60,
           [](QPainter& p, double) {
             LogoMark(p, QRectF(2, 6, 48, 48));
             QFont f(QStringLiteral("DejaVu Sans"));
             f.setPixelSize(19);
             f.setBold(true);
             p.setFont(f);
             p.setPen(QColor(0, 0, 0, 90));
             p.drawText(QRectF(49, 9, 100, 26), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("Varnolt"));
             p.setPen(Qt::white);
             p.drawText(QRectF(48, 8, 100, 26), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("Varnolt"));
             f.setPixelSize(17);
             p.setFont(f);
             p.setPen(QColor(255, 190, 70));
             p.drawText(QRectF(48, 30, 100, 22), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("DBQ"));
           },
           2),
       QStringLiteral("pictures/logo.png"));
  Save(AppIcon(64), QStringLiteral("pictures/app_icon.png"));
}

// The desktop's icon theme wants the icon at these sizes besides the scalable drawing
// (icons/hicolor/scalable/apps/varnoltdbq.svg, the same picture by hand).
void MakeThemeIcons() {
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    Save(AppIcon(size), QStringLiteral("icons/hicolor/%1x%1/apps/varnoltdbq.png").arg(size));
  }
}

// Backgrounds: soft gradients with a faint diagonal weave, stored as JPEG.
QImage Background(int w, int h, const QColor& top, const QColor& bottom, bool horizontal) {
  QImage image(w, h, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, horizontal ? w : 0, horizontal ? 0 : h);
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(image.rect(), g);
  p.setPen(QPen(QColor(255, 255, 255, 14), 1));
  for (int x = -h; x < w; x += 7) p.drawLine(x, 0, x + h, h);
  p.setPen(QPen(QColor(0, 0, 0, 10), 1));
  for (int x = -h + 3; x < w; x += 7) p.drawLine(x, 0, x + h, h);
  return image;
}

void MakeBackgrounds() {
  {
    QImage bar = Background(1600, 67, QColor(22, 38, 72), QColor(48, 92, 140), true);
    QPainter p(&bar);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shine(0, 0, 0, 67);
    shine.setColorAt(0, QColor(255, 255, 255, 40));
    shine.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.fillRect(bar.rect(), shine);
    p.fillRect(QRect(0, 64, 1600, 3), QColor(230, 140, 30));
    Save(bar, QStringLiteral("pictures/backgrounds/title_bar.jpg"), "JPEG", 88);
  }
  Save(Background(320, 1200, QColor(196, 204, 216), QColor(150, 164, 186), false),
       QStringLiteral("pictures/backgrounds/left_panel.jpg"), "JPEG", 88);
  Save(Background(200, 1200, QColor(196, 204, 216), QColor(150, 164, 186), false),
       QStringLiteral("pictures/backgrounds/command_panel.jpg"), "JPEG", 88);
  {
    QImage about = Background(420, 300, QColor(30, 50, 90), QColor(70, 110, 160), false);
    QPainter p(&about);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(0.18);
    LogoMark(p, QRectF(250, 110, 200, 200));
    Save(about, QStringLiteral("pictures/backgrounds/about.jpg"), "JPEG", 88);
  }
}

// ---- Sounds ---------------------------------------------------------------------------------

struct Tone {
  double startHz;
  double endHz;
  double seconds;
  double attack;
  double decay;  // exponential decay rate
  double volume;
};

void WriteWave(const QString& name, const std::vector<Tone>& tones) {
  constexpr int kRate = 22050;
  std::vector<qint16> samples;
  for (const Tone& t : tones) {
    const int n = static_cast<int>(t.seconds * kRate);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
      const double time = static_cast<double>(i) / kRate;
      const double frac = static_cast<double>(i) / n;
      const double hz = t.startHz + (t.endHz - t.startHz) * frac;
      phase += 2 * M_PI * hz / kRate;
      double env = std::exp(-t.decay * time);
      if (time < t.attack) env *= time / t.attack;
      // A touch of the second harmonic keeps the tones from sounding like a test signal.
      const double v = (std::sin(phase) + 0.25 * std::sin(2 * phase)) / 1.25;
      samples.push_back(static_cast<qint16>(v * env * t.volume * 32000));
    }
  }
  QByteArray data;
  const auto put32 = [&data](quint32 v) {
    const quint32 le = qToLittleEndian(v);
    data.append(reinterpret_cast<const char*>(&le), 4);
  };
  const auto put16 = [&data](quint16 v) {
    const quint16 le = qToLittleEndian(v);
    data.append(reinterpret_cast<const char*>(&le), 2);
  };
  const quint32 bytes = static_cast<quint32>(samples.size() * 2);
  data.append("RIFF");
  put32(36 + bytes);
  data.append("WAVEfmt ");
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(kRate);
  put32(kRate * 2);
  put16(2);
  put16(16);
  data.append("data");
  put32(bytes);
  for (qint16 s : samples) put16(static_cast<quint16>(s));
  const QString path = outDir + QStringLiteral("/sounds/") + name;
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
}

void MakeSounds() {
  WriteWave(QStringLiteral("blipx.wav"), {{1320, 1500, 0.06, 0.004, 40, 0.35}});
  WriteWave(QStringLiteral("tinkx.wav"), {{2350, 2350, 0.16, 0.002, 28, 0.3}});
  WriteWave(QStringLiteral("errox.wav"),
            {{330, 300, 0.14, 0.01, 6, 0.45}, {250, 220, 0.22, 0.01, 6, 0.45}});
  WriteWave(QStringLiteral("plopx.wav"), {{520, 180, 0.09, 0.003, 30, 0.5}});
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_assets OUTPUT_DIR\n");
    return 2;
  }
  outDir = QString::fromLocal8Bit(argv[1]);
  MakeTreePictures();
  MakeCategoryFaces();
  MakeButtons();
  MakeOsPictures();
  MakeLogo();
  MakeThemeIcons();
  MakeBackgrounds();
  MakeSounds();
  return 0;
}
