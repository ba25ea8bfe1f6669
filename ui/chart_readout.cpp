#include "chart_readout.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QtMath>

#include "biorhythm.h"
#include "chart_reading.h"
#include "drawing_box.h"

using namespace norvane;

namespace {

QString caption(double elapsed_days, Date start, int day) {
  return QString::fromStdU16String(chart_day_caption(chart_day_reading(elapsed_days, start, day)));
}

}  // namespace

ChartReadout::ChartReadout(DrawingBox* box) : QObject(box), box_(box) {
  box->installEventFilter(this);
  connect(box, &DrawingBox::forgotten, this, &ChartReadout::describe_blank);
  describe_blank();
}

void ChartReadout::chart_drawn(double elapsed_days, Date start) {
  elapsed_days_ = elapsed_days;
  start_ = start;
  box_->setAccessibleDescription(QStringLiteral("%1日間のバイオリズムのグラフ。初日 %2")
                                     .arg(kChartDays + 1)
                                     .arg(caption(elapsed_days, start, 0)));
}

void ChartReadout::describe_blank() {
  box_->setAccessibleDescription(QStringLiteral("グラフは空白です"));
}

bool ChartReadout::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box_ || event->type() != QEvent::ToolTip) return false;
  const auto* help = static_cast<QHelpEvent*>(event);
  show_tooltip(help->pos(), help->globalPos());
  return true;
}

void ChartReadout::show_tooltip(QPoint pos, QPoint global_pos) {
  // A blank box has no day to tell of, whatever was drawn on it before.
  if (box_->strokes().empty()) {
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
  QToolTip::showText(global_pos, caption(elapsed_days_, start_, day), box_, column);
}
