#pragma once
// What the chart box tells beyond its drawing: a tooltip with the date and
// the three values of the day under the pointer, and an accessible
// description of the chart. Both read the day count and start date the
// chart was last drawn for; while the box is blank they tell nothing more.
#include <QObject>
#include <QString>

#include "date.h"

class QPoint;

namespace norvane {
class DrawingBox;
}

class ChartReadout : public QObject {
  Q_OBJECT
 public:
  // Watches `box` for tooltip events and belongs to it.
  explicit ChartReadout(norvane::DrawingBox* box);

  // Called by the chart's drawing, after it has drawn.
  void chart_drawn(double elapsed_days, norvane::Date start);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void show_tooltip(QPoint pos, QPoint global_pos);
  void describe_blank();

  norvane::DrawingBox* box_;
  double elapsed_days_ = 0;
  norvane::Date start_{};
};
