#include "chart_readout.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QtMath>
#include <cmath>

#include "biorhythm.h"
#include "chart_reading.h"
#include "drawing_box.h"

using namespace norvane;

ChartReadout::ChartReadout(DrawingBox* box) : QObject(box), box_(box) {
  box->installEventFilter(this);
  connect(box, &DrawingBox::forgotten, this, &ChartReadout::blanked);
  describe();
}

void ChartReadout::chart_drawn(double elapsed_days, Date start) {
  elapsed_days_ = elapsed_days;
  start_ = start;
  describe();
  emit changed();
}

void ChartReadout::blanked() {
  describe();
  emit changed();
}

bool ChartReadout::shows_chart() const {
  return !box_->strokes().empty();
}

Date ChartReadout::birth() const {
  return add_days(start_, -static_cast<std::int32_t>(std::lround(elapsed_days_)));
}

QString ChartReadout::day_caption(int day) const {
  return QString::fromStdU16String(
      chart_day_caption(chart_day_reading(elapsed_days_, start_, day)));
}

QString ChartReadout::table_text() const {
  return QString::fromStdU16String(chart_table_text(elapsed_days_, start_));
}

void ChartReadout::set_cursor_day(std::optional<int> day) {
  cursor_day_ = day;
  describe();
}

void ChartReadout::describe() {
  // Setting the description also tells a screen reader it changed.
  if (!shows_chart()) {
    box_->setAccessibleDescription(QStringLiteral("グラフは空白です"));
  } else if (cursor_day_) {
    box_->setAccessibleDescription(day_caption(*cursor_day_));
  } else {
    box_->setAccessibleDescription(QStringLiteral("%1日間のバイオリズムのグラフ。初日 %2")
                                       .arg(kChartDays + 1)
                                       .arg(day_caption(0)));
  }
}

bool ChartReadout::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box_ || event->type() != QEvent::ToolTip) return false;
  const auto* help = static_cast<QHelpEvent*>(event);
  show_tooltip(help->pos(), help->globalPos());
  return true;
}

void ChartReadout::show_tooltip(QPoint pos, QPoint global_pos) {
  // A blank box has no day to tell of, whatever was drawn on it before.
  if (!shows_chart()) {
    QToolTip::hideText();
    return;
  }
  const int day = nearest_chart_day(box_->to_user(pos).x());
  // The tip stays while the pointer is over this day's column; leaving it
  // asks for the next day's.
  const double half = kChartDayWidth / 2;
  const QPointF left = box_->to_widget({chart_x(day) - half, 0});
  const QPointF right = box_->to_widget({chart_x(day) + half, 0});
  const QRect column(QPoint(qFloor(left.x()), 0), QPoint(qCeil(right.x()), box_->height()));
  QToolTip::showText(global_pos, day_caption(day), box_, column);
}
