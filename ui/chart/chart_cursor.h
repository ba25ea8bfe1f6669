#pragma once
// The chart by keyboard. While the chart box has the focus this overlay
// shows a focus mark and, over a chart, a day cursor with its day's
// read-out; Left, Right, Home and End move the cursor, Page Down and Page
// Up step the display start as the scroll bar's arrows do, and Ctrl+C or
// コピー in the box's context menu copy the chart's days and picture.
#include <QWidget>
#include <optional>

class ChartReadout;
class QAction;
class QMenu;
class QScrollBar;

namespace norvane {
class DrawingBox;
}

class ChartCursor : public QWidget {
  Q_OBJECT
 public:
  // A child of `box` over all of it, shown while the box has the focus.
  ChartCursor(norvane::DrawingBox* box, ChartReadout* readout, QScrollBar* scroll);

  // The cursor's chart day; nullopt while there is no cursor.
  std::optional<int> day() const;
  QAction* copy_action() const { return copy_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool take_key(int key);
  void move_to(int day);
  // The cursor's day to a screen reader, as the focus of the chart.
  void announce() const;
  void chart_changed();
  void copy() const;

  norvane::DrawingBox* box_;
  ChartReadout* readout_;
  QScrollBar* scroll_;
  QAction* copy_;
  QMenu* menu_;  // the box's context menu
  int day_ = 0;
};
