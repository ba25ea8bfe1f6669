#pragma once
// What the chart box tells beyond its drawing: a tooltip with the date and
// the three values of the day under the pointer, and an accessible
// description of the chart, or of the keyboard cursor's day while there is
// one. All read the day count and start date the chart was last drawn for;
// while the box is blank they tell nothing more.
#include <QObject>
#include <QString>
#include <optional>

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

  // False while the box is blank: nothing drawn since it was last hidden.
  bool shows_chart() const;
  // The birth date and first day of the chart last drawn.
  norvane::Date birth() const;
  norvane::Date start() const { return start_; }
  // Chart day `day` (0 ... 30) as the tooltip tells it.
  QString day_caption(int day) const;
  // The 31 days as tab-separated rows under a header row.
  QString table_text() const;
  // The keyboard cursor's day becomes the description, so a screen reader
  // speaks it; nullopt gives the whole chart's description back.
  void set_cursor_day(std::optional<int> day);

 signals:
  // The chart was drawn anew or blanked.
  void changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void show_tooltip(QPoint pos, QPoint global_pos);
  void describe();
  void blanked();

  norvane::DrawingBox* box_;
  double elapsed_days_ = 0;
  norvane::Date start_{};
  std::optional<int> cursor_day_;
};
