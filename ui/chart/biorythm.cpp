#include "biorythm.h"

#include <QLabel>

#include "biorhythm.h"
#include "chart_readout.h"
#include "drawing_box.h"
#include "main_window.h"
#include "qt_colour.h"

using namespace norvane;

namespace Biorythm {

void draw_biorhythm(bioForm1& form, double elapsed_days, Date start_date) {
  DrawingBox& box = *form.sinPicture1;
  box.Cls();

  box.setForeColor(to_qcolor(kGridColour));
  box.setDrawStyle(DrawingBox::Style::Dot);
  for (int i = 1; i <= kChartDays; ++i) {
    box.Line({chart_x(i), 0}, {chart_x(i), kChartTop});
  }
  box.setDrawStyle(DrawingBox::Style::Solid);
  box.setForeColor(to_qcolor(kGridColour));
  box.Line({0, kChartAxisY}, {kChartRight, kChartAxisY});

  set_date_labels(form, start_date);

  for (const Rhythm& rhythm : kRhythms) {
    box.setForeColor(to_qcolor(rhythm.pen));
    for (int i = 0; i <= kChartDays; ++i) {
      const QPointF point(chart_x(i), rhythm_y(elapsed_days + i, rhythm.period));
      if (i == 0) {
        box.PSet(point);
      } else {
        box.Line(point);
      }
    }
  }

  if (form.demo_flg == kTrue) {
    // The prompt stands at the height where the intellectual curve ends;
    // its dot keeps the pen of the last curve drawn.
    const int intellectual = kRhythms.front().period;
    box.PSet({140, kChartAxisY + rhythm_value(elapsed_days + kChartDays, intellectual)});
    box.setForeColor(to_qcolor(kPromptColour));
    box.Print("「何かキーを押してください」");
  }
  form.chart_readout->chart_drawn(elapsed_days, start_date, form.demo_flg == kTrue);
}

void set_date_labels(bioForm1& form, Date start_date) {
  const auto strip = date_strip(start_date);
  for (int i = 0; i < kChartDays; ++i) {
    QLabel* label = form.L_date[i];
    // A new palette costs a resolve and a repaint; the colour changes only
    // at a month's end.
    const QColor colour = to_qcolor(strip[i].next_month ? kNextMonthColour : kStartMonthColour);
    if (label->palette().color(QPalette::WindowText) != colour) {
      QPalette p = label->palette();
      p.setColor(QPalette::WindowText, colour);
      label->setPalette(p);
    }
    label->setText(QString::number(strip[i].day));
  }
}

}  // namespace Biorythm
