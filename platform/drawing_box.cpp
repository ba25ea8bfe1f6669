#include "drawing_box.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <cmath>

namespace norvane {

namespace {

// Where `value` lies between `from` and `to`, as a fraction; a zero span
// puts everything on the first edge rather than dividing by zero.
double fraction(double value, double from, double to) {
  return to == from ? 0.0 : (value - from) / (to - from);
}

}  // namespace

DrawingBox::DrawingBox(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setAutoFillBackground(true);
}

void DrawingBox::Scale(QPointF left_top, QPointF right_bottom) {
  left_top_ = left_top;
  right_bottom_ = right_bottom;
  update_drawing();
}

void DrawingBox::Cls() {
  strokes_.clear();
  current_ = QPointF(0, 0);
  update_drawing();
}

void DrawingBox::update_drawing() {
  // One request until the next paint: a chart is some hundred strokes.
  // Strokes are clipped to the inner area, so the frame never needs it.
  if (update_requested_) return;
  update(contentsRect());
  // Qt drops a request while hidden or not updating, and paints all anew
  // when either ends.
  update_requested_ = isVisible() && updatesEnabled();
}

void DrawingBox::Line(QPointF from, QPointF to) {
  strokes_.push_back({Stroke::Kind::Line, from, to, fore_, style_, {}});
  current_ = to;
  update_drawing();
}

void DrawingBox::Line(QPointF to) {
  Line(current_, to);
}

void DrawingBox::PSet(QPointF at) {
  strokes_.push_back({Stroke::Kind::Point, at, at, fore_, style_, {}});
  current_ = at;
  update_drawing();
}

void DrawingBox::Print(const QString& text) {
  strokes_.push_back({Stroke::Kind::Text, current_, current_, fore_, Style::Solid, text});
  update_drawing();
}

QPointF DrawingBox::to_widget(QPointF user) const {
  return to_widget(user, contentsRect());
}

QPointF DrawingBox::to_widget(QPointF user, const QRect& inner) const {
  // The scale's edges land on the first and last inner pixels, so a stroke
  // drawn right along an edge of the scale stays visible.
  const double x = fraction(user.x(), left_top_.x(), right_bottom_.x());
  const double y = fraction(user.y(), left_top_.y(), right_bottom_.y());
  return QPointF(inner.left() + x * (inner.width() - 1), inner.top() + y * (inner.height() - 1));
}

QPointF DrawingBox::to_user(QPointF widget) const {
  const QRect inner = contentsRect();
  const double x = fraction(widget.x(), inner.left(), inner.left() + inner.width() - 1);
  const double y = fraction(widget.y(), inner.top(), inner.top() + inner.height() - 1);
  return QPointF(left_top_.x() + x * (right_bottom_.x() - left_top_.x()),
                 left_top_.y() + y * (right_bottom_.y() - left_top_.y()));
}

void DrawingBox::setVisible(bool visible) {
  // Only a hide from code lands here; a minimised or covered window keeps
  // its children visible, and so keeps the drawing.
  if (!visible) strokes_.clear();
  QFrame::setVisible(visible);
  if (!visible) emit forgotten();
}

void DrawingBox::paintEvent(QPaintEvent* event) {
  update_requested_ = false;
  QFrame::paintEvent(event);
  if (strokes_.empty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setClipRect(contentsRect());
  paint_strokes(painter);
}

void DrawingBox::paint_strokes(QPainter& painter) {
  // Whole device pixels keep the lines crisp; on a scaled screen they also
  // place the points finer than whole logical pixels would.
  const QRect inner = contentsRect();
  const qreal ratio = devicePixelRatioF();
  const auto snap = [&](QPointF user) {
    const QPointF device = to_widget(user, inner) * ratio;
    return QPointF(qRound(device.x()), qRound(device.y())) / ratio;
  };
  // The baseline stands a whole pixel ascent below the drawing position.
  const int baseline = QFontMetrics(font()).ascent();
  // Runs of lines or points in one pen go to the painter at once, in order.
  std::vector<QLineF> lines;
  std::vector<QPointF> points;
  const auto flush = [&] {
    if (!lines.empty()) painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    if (!points.empty()) painter.drawPoints(points.data(), static_cast<int>(points.size()));
    lines.clear();
    points.clear();
  };
  QPen pen(Qt::NoPen);
  for (const Stroke& s : strokes_) {
    const QPointF at = snap(s.to);
    const Qt::PenStyle style = s.style == Style::Dot ? Qt::DotLine : Qt::SolidLine;
    if (pen.color() != s.color || pen.style() != style) {
      flush();
      pen = QPen(s.color, 1, style);
      pen.setCosmetic(true);
      painter.setPen(pen);
    }
    switch (s.kind) {
      case Stroke::Kind::Line:
        if (!points.empty()) flush();
        lines.emplace_back(snap(s.from), at);
        break;
      case Stroke::Kind::Point:
        if (!lines.empty()) flush();
        points.push_back(at);
        break;
      case Stroke::Kind::Text: {
        flush();
        painter.drawText(QPointF(at.x(), at.y() + baseline), s.text);
        break;
      }
    }
  }
  flush();
}

}  // namespace norvane
