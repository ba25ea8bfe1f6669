#pragma once
// A scroll bar that repaints for a new value only when the value changes
// what it shows. A short bar over a long range (the display start's 32768
// days in 33 pixels) shows the same handle for hundreds of values.
#include <QRect>
#include <QScrollBar>

namespace norvane {

class ScrollBar : public QScrollBar {
 public:
  explicit ScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

 protected:
  void sliderChange(SliderChange change) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // What a value decides of the picture: where the handle lies, and
  // whether the bar stands at either end (its arrows may look spent).
  struct Look {
    QRect handle;
    bool at_minimum = false;
    bool at_maximum = false;
    bool operator==(const Look&) const = default;
  };
  Look look() const;

  Look shown_;
  bool painted_ = false;
};

}  // namespace norvane
