#pragma once
// What the chart box tells beyond its drawing: a tooltip with the date and
// the three values of the day under the pointer, the read-outs of its days
// for a screen reader (chart_accessible.h), and an accessible description
// that begins with the results 実行 showed. All read the day count and start
// date the chart was last drawn for; while the box is blank they tell
// nothing more.
#include <QObject>
#include <QString>
#include <optional>

#include "chart_reading.h"
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

  // Called by the chart's drawing, after it has drawn. A screen reader
  // hears of the demonstration's first chart, not of each one after it.
  void chart_drawn(double elapsed_days, norvane::Date start, bool demonstration = false);
  // The results as the window shows them, told before the chart.
  void set_results(const QString& results) { results_ = results; }

  // False while the box is blank: nothing drawn since it was last hidden.
  bool shows_chart() const;
  // The birth date and first day of the chart last drawn.
  norvane::Date birth() const;
  norvane::Date start() const { return start_; }
  // What chart day `day` (0 ... 30) shows.
  norvane::ChartDayReading reading(int day) const;
  // Chart day `day` as the tooltip tells it.
  QString day_caption(int day) const;
  // The 31 days as tab-separated rows under a header row.
  QString table_text() const;
  // The chart as its accessible description tells it.
  QString description() const;
  // The keyboard cursor's day while the box has the focus, else nullopt.
  void set_cursor_day(std::optional<int> day) { cursor_day_ = day; }
  std::optional<int> cursor_day() const { return cursor_day_; }
  // Counts the drawings and blankings a screen reader hears of: what was
  // read of one holds for it alone.
  int drawing() const { return drawing_; }

 signals:
  // The chart was drawn anew or blanked.
  void changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void show_tooltip(QPoint pos, QPoint global_pos);
  void description_changed();
  void blanked();

  norvane::DrawingBox* box_;
  double elapsed_days_ = 0;
  norvane::Date start_{};
  std::optional<int> cursor_day_;
  QString results_;
  int drawing_ = 0;
  bool demonstration_ = false;
};
