#include "scroll_bar.h"

#include <QStyle>
#include <QStyleOptionSlider>

namespace norvane {

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {}

ScrollBar::Look ScrollBar::look() const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  return {style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this),
          value() == minimum(), value() == maximum()};
}

void ScrollBar::sliderChange(SliderChange change) {
  // Any repaint still to come paints the new value anyway.
  if (change == SliderValueChange && painted_ && look() == shown_) return;
  QScrollBar::sliderChange(change);
}

void ScrollBar::paintEvent(QPaintEvent* event) {
  shown_ = look();
  painted_ = true;
  QScrollBar::paintEvent(event);
}

}  // namespace norvane
