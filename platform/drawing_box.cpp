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

// Exactly the same stroke: a fuzzy match could hide a moved curve.
bool same_stroke(const DrawingBox::Stroke& a, const DrawingBox::Stroke& b) {
  return a.kind == b.kind && a.from.x() == b.from.x() && a.from.y() == b.from.y() &&
         a.to.x() == b.to.x() && a.to.y() == b.to.y() && a.color == b.color && a.style == b.style &&
         a.text == b.text;
}

}  // namespace

DrawingBox::DrawingBox(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setAutoFillBackground(true);
  update_opaque();
}

void DrawingBox::update_opaque() {
  // An opaque box fills its own background: where a kept picture covers
  // the inner area, filling it first as Qt would is wasted.
  setAttribute(Qt::WA_OpaquePaintEvent, palette().brush(backgroundRole()).isOpaque());
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

void DrawingBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) update_opaque();
  QFrame::changeEvent(event);
}

std::optional<DrawingBox::BackdropKey> DrawingBox::backdrop_key() const {
  // Only a picture that lands on whole device pixels over one plain,
  // opaque background paints exactly as the strokes themselves would.
  // (The box is opaque exactly when its background brush is.)
  const qreal ratio = devicePixelRatioF();
  const QBrush& background = palette().brush(backgroundRole());
  if (ratio != std::round(ratio) || !testAttribute(Qt::WA_OpaquePaintEvent) ||
      background.style() != Qt::SolidPattern) {
    return std::nullopt;
  }
  return BackdropKey{size(), ratio, background.color(), contentsRect(), left_top_, right_bottom_};
}

void DrawingBox::render_backdrop(const BackdropKey& key, std::size_t count) {
  backdrop_ = QImage(qRound(key.size.width() * key.ratio), qRound(key.size.height() * key.ratio),
                     QImage::Format_RGB32);
  backdrop_.setDevicePixelRatio(key.ratio);
  backdrop_.fill(key.background);
  QPainter painter(&backdrop_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setClipRect(contentsRect());
  paint_strokes(painter, 0, count);
  backdrop_count_ = count;
  backdrop_key_ = key;
}

void DrawingBox::paintEvent(QPaintEvent* event) {
  update_requested_ = false;
  // The strokes this paint shares with the last, up to the first text.
  std::size_t shared = 0;
  while (shared < strokes_.size() && shared < painted_.size() &&
         strokes_[shared].kind != Stroke::Kind::Text &&
         same_stroke(strokes_[shared], painted_[shared])) {
    ++shared;
  }
  std::size_t from = 0;
  if (const auto key = backdrop_key(); key && !strokes_.empty()) {
    const bool usable = backdrop_count_ > 0 && backdrop_count_ <= shared && *key == backdrop_key_;
    if (!usable) {
      backdrop_count_ = 0;
      backdrop_ = QImage();
      if (shared > 0) render_backdrop(*key, shared);
    }
    from = backdrop_count_;
  }
  if (!strokes_.empty()) painted_ = strokes_;

  if (testAttribute(Qt::WA_OpaquePaintEvent)) {
    QRegion fill = event->region();
    if (from > 0) fill -= contentsRect();
    QPainter painter(this);
    for (const QRect& r : fill) painter.fillRect(r, palette().brush(backgroundRole()));
  }
  if (!contentsRect().contains(event->rect())) QFrame::paintEvent(event);
  if (strokes_.empty()) return;

  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setClipRect(contentsRect());
  if (from > 0) painter.drawImage(QPointF(0, 0), backdrop_);
  paint_strokes(painter, from, strokes_.size());
}

void DrawingBox::paint_strokes(QPainter& painter, std::size_t from, std::size_t to) {
  // Whole device pixels keep the lines crisp; on a scaled screen they also
  // place the points finer than whole logical pixels would.
  const QRect inner = contentsRect();
  const qreal ratio = devicePixelRatioF();
  const auto snap = [&](QPointF user) {
    const QPointF device = to_widget(user, inner) * ratio;
    return QPointF(qRound(device.x()), qRound(device.y())) / ratio;
  };
  // The baseline stands a whole pixel ascent below the drawing position.
  const qreal text_top = QFontMetrics(font()).ascent() - QFontMetricsF(font()).ascent();
  paint_strokes(painter, from, to, snap, 1, text_top);
}

void DrawingBox::paint_drawing(QPainter& painter, const QRectF& target, qreal pen_width,
                               const Look* look) const {
  painter.save();
  painter.fillRect(target, look ? look->ground : palette().brush(backgroundRole()));
  painter.setClipRect(target);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const auto place = [&](QPointF user) { return to_target(user, target); };
  paint_strokes(painter, 0, strokes_.size(), place, pen_width, 0, look);
  painter.restore();
}

QPointF DrawingBox::to_target(QPointF user, const QRectF& target) const {
  const double x = fraction(user.x(), left_top_.x(), right_bottom_.x());
  const double y = fraction(user.y(), left_top_.y(), right_bottom_.y());
  return QPointF(target.left() + x * target.width(), target.top() + y * target.height());
}

template <typename Place>
void DrawingBox::paint_strokes(QPainter& painter, std::size_t from, std::size_t to, Place place,
                               qreal pen_width, qreal text_top, const Look* look) const {
  // Runs of lines or points in one pen go to the painter at once, in order.
  std::vector<QLineF> lines;
  std::vector<QPointF> points;
  const auto flush = [&] {
    if (look) {
      // Each connected run as one path, so a dash pattern runs on.
      QPolygonF run;
      for (const QLineF& line : lines) {
        if (!run.isEmpty() && run.back() != line.p1()) {
          painter.drawPolyline(run);
          run.clear();
        }
        if (run.isEmpty()) run << line.p1();
        run << line.p2();
      }
      if (!run.isEmpty()) painter.drawPolyline(run);
      lines.clear();
    }
    if (!lines.empty()) painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    if (!points.empty()) painter.drawPoints(points.data(), static_cast<int>(points.size()));
    lines.clear();
    points.clear();
  };
  QPen pen(Qt::NoPen);
  for (std::size_t i = from; i < to; ++i) {
    const Stroke& s = strokes_[i];
    const QPointF at = place(s.to);
    if (look) {
      if (const QPen wanted = look->pen(s); pen != wanted) {
        flush();
        pen = wanted;
        painter.setPen(pen);
      }
    } else if (const Qt::PenStyle style = s.style == Style::Dot ? Qt::DotLine : Qt::SolidLine;
               pen.color() != s.color || pen.style() != style) {
      flush();
      pen = QPen(s.color, pen_width, style);
      pen.setCosmetic(true);
      painter.setPen(pen);
    }
    switch (s.kind) {
      case Stroke::Kind::Line:
        if (!points.empty()) flush();
        lines.emplace_back(place(s.from), at);
        break;
      case Stroke::Kind::Point:
        if (!lines.empty()) flush();
        points.push_back(at);
        break;
      case Stroke::Kind::Text: {
        flush();
        // Laid out once: the demonstration shows the same prompt at every tick.
        if (text_layout_.text() != s.text) text_layout_.setText(s.text);
        painter.drawStaticText(QPointF(at.x(), at.y() + text_top), text_layout_);
        break;
      }
    }
  }
  flush();
}

}  // namespace norvane
