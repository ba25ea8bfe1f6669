#include "chart_readout.h"

#include <QAccessible>
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
}

void ChartReadout::chart_drawn(double elapsed_days, Date start, bool demonstration) {
  elapsed_days_ = elapsed_days;
  start_ = start;
  // The demonstration's next day is no news: its days keep their
  // identities and nothing is sent, so the accessibility bus stays quiet.
  const bool news = !demonstration || !demonstration_;
  demonstration_ = demonstration;
  if (news) ++drawing_;
  emit changed();
  if (news) description_changed();
}

void ChartReadout::blanked() {
  ++drawing_;
  demonstration_ = false;
  emit changed();
  description_changed();
}

bool ChartReadout::shows_chart() const {
  return !box_->strokes().empty();
}

Date ChartReadout::birth() const {
  return add_days(start_, -static_cast<std::int32_t>(std::lround(elapsed_days_)));
}

ChartDayReading ChartReadout::reading(int day) const {
  return chart_day_reading(elapsed_days_, start_, day);
}

QString ChartReadout::day_caption(int day) const {
  return QString::fromStdU16String(chart_day_caption(reading(day)));
}

QString ChartReadout::table_text() const {
  return QString::fromStdU16String(chart_table_text(elapsed_days_, start_));
}

QString ChartReadout::description() const {
  if (!shows_chart()) return QStringLiteral("グラフは空白です");
  return results_ + QStringLiteral(
                        "%1日間のバイオリズムのグラフ。初日 %2。Alt+A キーで相性を、Alt+C "
                        "キーで注意日一覧を開きます")
                        .arg(kChartDays + 1)
                        .arg(day_caption(0));
}

void ChartReadout::description_changed() {
  // Qt 6.4 sends the object, not the new text, with the change, and Orca 43
  // fails on it for the object it has the focus on. A focused chart hands
  // its focus to a day first (the cursor heard changed() above); a focused
  // blank box keeps it, and is spoken anew when it next takes the focus.
  if (box_->hasFocus() && !shows_chart()) return;
  QAccessibleEvent event(box_, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
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
