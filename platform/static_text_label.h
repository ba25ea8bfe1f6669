#pragma once
// A plain-text label that lays out and draws each caption once and keeps
// it, so a label whose caption changes often among a few values (the date
// strip's day numbers) paints without shaping or blending its text again.
#include <QLabel>

class QPainter;

namespace norvane {

class StaticTextLabel : public QLabel {
 public:
  explicit StaticTextLabel(QWidget* parent = nullptr);

  // Draws the label where it stands, with `painter` open on its parent.
  // For a row of labels whose updates are off and whose parent paints them
  // in its own paint event: one repaint for the row instead of one each.
  void paint_in_parent(QPainter& painter);
  // Where it shows in its parent: its mask's bounds, else its geometry.
  QRect shown_rect() const;
  // The size its caption needs. A plain caption is measured by the layout
  // its paint draws, so it is shaped once rather than again for QLabel's
  // size hint; the two agree to the pixel.
  QSize caption_size() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool plain() const;
  void draw_caption(QPainter& painter, QPoint at);

  bool painted_ = false;
};

}  // namespace norvane
