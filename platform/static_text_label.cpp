#include "static_text_label.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>

#include "kept_ink.h"

namespace norvane {

namespace {

// Line breaks, carriage returns and '&' are laid out by QLabel's own rules.
bool has_control_or_mnemonic(const QString& text) {
  return std::any_of(text.begin(), text.end(),
                     [](QChar c) { return c < QChar(0x20) || c == QLatin1Char('&'); });
}

}  // namespace

StaticTextLabel::StaticTextLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
}

// Only the case the cache is for: an enabled, frameless, single-line
// caption at the top left; anything else paints as any label does.
bool StaticTextLabel::plain() const {
  return frameShape() == QFrame::NoFrame && isEnabled() && !wordWrap() && margin() == 0 &&
         alignment() == (Qt::AlignLeft | Qt::AlignTop) && !has_control_or_mnemonic(text()) &&
         layoutDirection() == Qt::LeftToRight;
}

void StaticTextLabel::paintEvent(QPaintEvent* event) {
  if (!plain()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  draw_caption(painter, QPoint(0, 0));
}

void StaticTextLabel::paint_in_parent(QPainter& painter) {
  if (isHidden()) return;
  if (!plain()) {
    render(&painter, pos(), shown_rect().translated(-pos()), {});
    return;
  }
  draw_caption(painter, pos());
}

QSize StaticTextLabel::caption_size() const {
  if (!plain() || text().isEmpty()) return sizeHint();
  const QSizeF laid = kept_layout(font(), text()).size();
  const QMargins m = contentsMargins();
  return {qCeil(laid.width()) + m.left() + m.right(), qCeil(laid.height()) + m.top() + m.bottom()};
}

QRect StaticTextLabel::shown_rect() const {
  return mask().isEmpty() ? geometry() : mask().boundingRect().translated(pos());
}

void StaticTextLabel::draw_caption(QPainter& painter, QPoint at) {
  const QString caption = text();
  if (caption.isEmpty()) return;
  const QBrush& pen = palette().brush(foregroundRole());
  const QPointF origin = contentsRect().topLeft();
  // The kept ink lands on whole device pixels only at a whole ratio.
  const qreal ratio = devicePixelRatioF();
  const int whole = qRound(ratio);
  // A label's first paint, at start-up, draws in place and keeps nothing.
  if (painted_ && pen.style() == Qt::SolidPattern && whole == ratio) {
    if (const QImage* ink = kept_ink(font(), caption, pen.color().rgba(), size(), origin, whole)) {
      painter.drawImage(QPointF(at), *ink);
      return;
    }
  }
  painted_ = true;
  painter.setPen(QPen(pen, 1));
  painter.setFont(font());
  painter.drawStaticText(origin + at, kept_layout(font(), caption));
}

}  // namespace norvane
