#pragma once
// A plain-text label that lays out and draws each caption once and keeps
// it, so a label whose caption changes often among a few values (the date
// strip's day numbers) paints without shaping or blending its text again.
#include <QLabel>

namespace norvane {

class StaticTextLabel : public QLabel {
 public:
  explicit StaticTextLabel(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool painted_ = false;
};

}  // namespace norvane
