#pragma once
// A plain-text label that lays out each caption once and keeps it, so a
// label whose caption changes often among a few values (the date strip's
// day numbers) paints without shaping its text again.
#include <QLabel>

namespace norvane {

class StaticTextLabel : public QLabel {
 public:
  explicit StaticTextLabel(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace norvane
