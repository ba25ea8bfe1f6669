// Draws the main window's background picture, a flower in soft light, and
// saves it as JPEG: make_flower <output.jpg>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kWidth = 616;
constexpr int kHeight = 392;

void draw_background(QPainter& p) {
  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0.0, QColor(214, 230, 244));
  sky.setColorAt(0.6, QColor(236, 241, 236));
  sky.setColorAt(1.0, QColor(222, 234, 208));
  p.fillRect(0, 0, kWidth, kHeight, sky);

  // A faint glow behind the flower head.
  QRadialGradient glow(470, 120, 190);
  glow.setColorAt(0.0, QColor(255, 250, 236, 170));
  glow.setColorAt(1.0, QColor(255, 250, 236, 0));
  p.fillRect(0, 0, kWidth, kHeight, glow);

  // Gentle hills along the bottom edge.
  QPainterPath hill;
  hill.moveTo(0, 330);
  hill.cubicTo(160, 300, 330, 350, kWidth, 318);
  hill.lineTo(kWidth, kHeight);
  hill.lineTo(0, kHeight);
  hill.closeSubpath();
  QLinearGradient grass(0, 300, 0, kHeight);
  grass.setColorAt(0.0, QColor(200, 222, 184));
  grass.setColorAt(1.0, QColor(182, 208, 166));
  p.fillPath(hill, grass);
}

void draw_leaf(QPainter& p, QPointF base, QPointF tip, double bulge) {
  const QPointF mid = (base + tip) / 2;
  const QPointF dir = tip - base;
  const QPointF normal(-dir.y(), dir.x());
  QPainterPath leaf;
  leaf.moveTo(base);
  leaf.quadTo(mid + normal * bulge, tip);
  leaf.quadTo(mid - normal * bulge * 0.45, base);
  QLinearGradient fill(base, tip);
  fill.setColorAt(0.0, QColor(120, 168, 110));
  fill.setColorAt(1.0, QColor(168, 204, 146));
  p.setPen(QPen(QColor(104, 148, 96), 1.2));
  p.setBrush(fill);
  p.drawPath(leaf);
  p.setPen(QPen(QColor(104, 148, 96, 160), 1.0));
  p.drawLine(base, mid + normal * bulge * 0.2);
}

void draw_stem(QPainter& p) {
  QPainterPath stem;
  stem.moveTo(452, kHeight + 4);
  stem.cubicTo(440, 320, 486, 240, 470, 140);
  p.setPen(QPen(QColor(112, 156, 100), 6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(stem);
  draw_leaf(p, QPointF(454, 300), QPointF(380, 252), 0.32);
  draw_leaf(p, QPointF(462, 262), QPointF(540, 226), -0.3);
}

void draw_petal_ring(QPainter& p, QPointF centre, int petals, double turn, double length,
                     QColor inner, QColor outer) {
  p.setPen(QPen(inner.darker(112), 0.8));
  for (int i = 0; i < petals; ++i) {
    p.save();
    p.translate(centre);
    p.rotate(360.0 / petals * i + turn);
    QPainterPath petal;
    petal.moveTo(0, 0);
    petal.cubicTo(-length * 0.34, -length * 0.25, -length * 0.3, -length * 0.88, 0, -length);
    petal.cubicTo(length * 0.3, -length * 0.88, length * 0.34, -length * 0.25, 0, 0);
    QLinearGradient fill(0, 0, 0, -length);
    fill.setColorAt(0.0, inner);
    fill.setColorAt(1.0, outer);
    p.setBrush(fill);
    p.drawPath(petal);
    p.restore();
  }
}

void draw_head(QPainter& p, QPointF centre) {
  // A deeper back ring shows between the petals of the front ring.
  draw_petal_ring(p, centre, 10, 26, 80, QColor(222, 136, 152), QColor(242, 196, 204));
  draw_petal_ring(p, centre, 10, 8, 88, QColor(236, 160, 174), QColor(253, 234, 236));

  QRadialGradient heart(centre - QPointF(5, 5), 28);
  heart.setColorAt(0.0, QColor(250, 222, 140));
  heart.setColorAt(0.7, QColor(226, 176, 84));
  heart.setColorAt(1.0, QColor(196, 144, 70));
  p.setPen(QPen(QColor(180, 132, 70), 1.0));
  p.setBrush(heart);
  p.drawEllipse(centre, 24, 24);

  // Seeds on a sunflower spiral.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(176, 120, 60, 150));
  for (int i = 1; i < 40; ++i) {
    const double r = 3.3 * std::sqrt(i);
    const double a = i * 2.39996;
    p.drawEllipse(centre + QPointF(r * std::cos(a), r * std::sin(a)), 1.1, 1.1);
  }
}

void draw_clouds(QPainter& p) {
  // One winding-filled path, so overlapping puffs do not darken each other.
  QPainterPath clouds;
  clouds.setFillRule(Qt::WindingFill);
  for (const QPointF c :
       {QPointF(90, 58), QPointF(128, 46), QPointF(166, 60), QPointF(250, 92), QPointF(286, 84)}) {
    clouds.addEllipse(c, 42, 17);
  }
  p.fillPath(clouds, QColor(255, 255, 255, 100));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_flower <output.jpg>\n");
    return 2;
  }
  // The JPEG writer is a plugin, and plugins need a QGuiApplication; the
  // offscreen platform lets that run without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw_background(p);
    draw_clouds(p);
    draw_stem(p);
    draw_head(p, QPointF(470, 134));
  }
  const QString path = QString::fromLocal8Bit(argv[1]);
  if (!image.save(path, "JPEG", 85)) {
    std::fprintf(stderr, "make_flower: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
