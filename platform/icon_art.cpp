#include "icon_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <numbers>

namespace norvane {

// Drawn on a 32-unit grid and scaled, so every size shows the same picture.
QImage draw_app_icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(64, 64, 64));
  p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);

  p.setPen(QPen(Qt::black, 1.0));
  p.drawLine(QPointF(3, 16), QPointF(29, 16));

  // Periods in the ratio of the three rhythms, starting at different phases.
  struct Curve {
    QColor colour;
    double period = 0;
    double phase = 0;
  };
  const Curve curves[] = {
      {QColor(255, 128, 128), 23, 0.0},
      {QColor(0, 255, 0), 28, 2.2},
      {QColor(0, 0, 255), 33, 4.4},
  };
  for (const Curve& c : curves) {
    QPainterPath path;
    for (double x = 3; x <= 29.001; x += 0.5) {
      const double y = 16 - 9 * qSin(2 * std::numbers::pi * (x - 3) / (c.period * 0.93) + c.phase);
      if (x == 3)
        path.moveTo(x, y);
      else
        path.lineTo(x, y);
    }
    p.setPen(QPen(c.colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
  return image;
}

}  // namespace norvane
