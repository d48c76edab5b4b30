#include "ui/splash_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace ui {

namespace {

constexpr int side = 452;
constexpr int horizon = 236;  // where the parchment begins

void draw_sky(QPainter& p) {
  QLinearGradient sky(0, 0, 0, horizon);
  sky.setColorAt(0.0, QColor(8, 14, 38));
  sky.setColorAt(0.6, QColor(28, 46, 96));
  sky.setColorAt(1.0, QColor(92, 84, 128));
  p.fillRect(0, 0, side, horizon, sky);

  // Stars at fixed places: a small linear congruential walk, the same every run.
  unsigned seed = 20030517;
  for (int i = 0; i < 90; ++i) {
    seed = seed * 1103515245u + 12345u;
    const int x = static_cast<int>((seed >> 8) % side);
    seed = seed * 1103515245u + 12345u;
    const int y = static_cast<int>((seed >> 8) % (horizon - 70));
    const int bright = 150 + static_cast<int>((seed >> 4) % 105);
    p.setPen(QColor(bright, bright, 255, bright));
    p.drawPoint(x, y);
    if (i % 11 == 0) p.drawPoint(x + 1, y);
  }

  QRadialGradient glow(QPointF(366, 52), 40);
  glow.setColorAt(0.0, QColor(255, 246, 214, 120));
  glow.setColorAt(1.0, QColor(255, 246, 214, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(366, 52), 40, 40);
  p.setBrush(QColor(250, 240, 205));
  p.drawEllipse(QPointF(366, 52), 17, 17);
  p.setBrush(QColor(28, 42, 88));  // the dark part of a crescent
  p.drawEllipse(QPointF(374, 47), 15, 15);
}

QPainterPath ridge(int base, int amplitude, double phase, double waves) {
  QPainterPath path(QPointF(0, horizon));
  for (int x = 0; x <= side; x += 4) {
    const double t = x / double(side);
    const double y = base - amplitude * (0.55 * std::sin(t * waves * 3.14159 + phase) +
                                         0.45 * std::fabs(std::sin(t * waves * 7.1 + phase * 2)));
    path.lineTo(x, y);
  }
  path.lineTo(side, horizon);
  path.closeSubpath();
  return path;
}

void draw_mountains(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(46, 54, 98));
  p.drawPath(ridge(200, 58, 0.7, 1.6));
  p.setBrush(QColor(30, 36, 70));
  p.drawPath(ridge(218, 40, 2.1, 2.3));
  p.setBrush(QColor(18, 22, 46));
  p.drawPath(ridge(234, 22, 4.0, 3.1));
}

void draw_title(QPainter& p) {
  QFont title(QStringLiteral("DejaVu Serif"));
  title.setPixelSize(50);
  title.setBold(true);
  p.setFont(title);
  const QRect area(0, 58, side, 64);
  p.setPen(QColor(0, 0, 0, 150));
  p.drawText(area.translated(3, 3), Qt::AlignCenter, QStringLiteral("Qel Stowix"));
  QLinearGradient gold(0, area.top() + 8, 0, area.bottom() - 8);
  gold.setColorAt(0.0, QColor(255, 236, 160));
  gold.setColorAt(0.5, QColor(232, 184, 72));
  gold.setColorAt(1.0, QColor(170, 112, 30));
  p.setPen(QPen(QBrush(gold), 1));
  p.drawText(area, Qt::AlignCenter, QStringLiteral("Qel Stowix"));

  QFont subtitle(QStringLiteral("DejaVu Sans"));
  subtitle.setPixelSize(12);
  subtitle.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
  p.setFont(subtitle);
  p.setPen(QColor(214, 222, 250));
  p.drawText(QRect(0, 124, side, 18), Qt::AlignCenter, QStringLiteral("PAK ARCHIVES OF DUNMARROW"));
  p.setPen(QPen(QColor(232, 184, 72, 180), 1));
  p.drawLine(126, 148, 326, 148);
}

void draw_parchment(QPainter& p) {
  QLinearGradient paper(0, horizon, 0, side);
  paper.setColorAt(0.0, QColor(236, 226, 200));
  paper.setColorAt(0.15, QColor(248, 243, 228));
  paper.setColorAt(1.0, QColor(240, 232, 210));
  p.fillRect(0, horizon, side, side - horizon, paper);
  p.setPen(QPen(QColor(170, 112, 30), 2));
  p.drawLine(0, horizon, side, horizon);
}

void draw_frame(QPainter& p) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(170, 112, 30), 2));
  p.drawRect(QRectF(1, 1, side - 2, side - 2));
  p.setPen(QPen(QColor(232, 184, 72, 140), 1));
  p.drawRect(QRectF(5.5, 5.5, side - 11, side - 11));
}

}  // namespace

QPixmap splash_picture() {
  QPixmap picture(side, side);
  picture.fill(Qt::black);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  draw_sky(p);
  draw_mountains(p);
  draw_title(p);
  draw_parchment(p);
  draw_frame(p);
  return picture;
}

}  // namespace ui
