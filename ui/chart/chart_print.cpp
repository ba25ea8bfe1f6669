#include "chart_print.h"

#include <QLabel>
#include <QPainter>
#include <array>
#include <cmath>
#include <vector>

#include "biorhythm.h"
#include "caution.h"
#include "chart_readout.h"
#include "drawing_box.h"
#include "main_window.h"
#include "person.h"
#include "printed_page.h"
#include "qt_colour.h"
#include "services.h"

using namespace norvane;

namespace {

// Each rhythm's line on paper, in kRhythms' order: 知性 dotted, 感情 dashed,
// 身体 solid.
constexpr std::array<Qt::PenStyle, 3> kPaperStyles{Qt::DotLine, Qt::DashLine, Qt::SolidLine};

// The window's labels the paper shows around the chart: legend, side
// captions and date strip.
std::vector<const QLabel*> chart_labels(const bioForm1& form) {
  std::vector<const QLabel*> labels{form.Label3[1], form.Label4[1], form.Label17, form.Label5,
                                    form.Label19,   form.Label18,   form.Label20};
  labels.insert(labels.end(), form.L_date.begin(), form.L_date.end());
  return labels;
}

// CIE L* of a colour, 0 black to 100 white.
double lightness(const QColor& c) {
  const auto linear = [](double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  const double y =
      0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  return y > 0.008856 ? 116 * std::cbrt(y) - 16 : 903.3 * y;
}

// The screen's colour darkened until it reads on white paper.
QColor ink(QColor c) {
  constexpr double kMaxLightness = 55;
  while (lightness(c) > kMaxLightness) c = c.darker(110);
  return c;
}

// The chart on white: a dark zero line, light day lines, and each curve in
// its own line style, so a black-and-white printer keeps the three apart.
DrawingBox::Look paper_look(qreal mm) {
  return {Qt::white, [mm](const DrawingBox::Stroke& s) {
            const QColor colour = s.color;
            QPen pen(ink(colour), 0.5 * mm, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            if (colour == to_qcolor(kGridColour)) {
              const bool day_line = s.style == DrawingBox::Style::Dot;
              pen = QPen(day_line ? QColor(190, 190, 190) : QColor(64, 64, 64),
                         (day_line ? 0.2 : 0.35) * mm, day_line ? Qt::DashLine : Qt::SolidLine);
            } else {
              for (std::size_t r = 0; r < kRhythms.size(); ++r)
                if (colour == to_qcolor(kRhythms[r].pen)) pen.setStyle(kPaperStyles[r]);
              // Round dots need room between them to stay dots.
              if (pen.style() == Qt::DotLine) pen.setDashPattern({0.01, 2.2});
            }
            return pen;
          }};
}

struct Table {
  std::vector<QStringList> rows;  // the header row first
  std::vector<qreal> widths;
  std::vector<Qt::Alignment> aligns;
};

// The copy's rows with a column naming the rhythms at a caution day.
Table day_table(const bioForm1& form) {
  Table table;
  const QStringList lines = form.chart_readout->table_text().split('\n', Qt::SkipEmptyParts);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    QStringList cells = lines[i].split('\t');
    if (i == 0) {
      cells << "注意日";
    } else {
      const ChartDayReading reading = form.chart_readout->reading(static_cast<int>(i - 1));
      CautionDay day{reading.date, {}, 0};
      for (std::size_t r = 0; r < reading.rhythms.size(); ++r) {
        day.rhythms[r] = reading.rhythms[r].caution;
        day.count += day.rhythms[r] ? 1 : 0;
      }
      cells << QString::fromStdU16String(caution_words(day));
    }
    table.rows.push_back(cells);
  }
  const qsizetype columns = table.rows.front().size();
  for (qsizetype c = 0; c < columns; ++c) {
    // Dates, weekdays and rhythm names read from the left, percentages line up on the right.
    table.aligns.emplace_back(c >= 2 && c + 1 < columns ? Qt::AlignRight : Qt::AlignLeft);
  }
  return table;
}

}  // namespace

void paint_chart_page(QPainter& painter, int resolution, const bioForm1& form) {
  const qreal mm = resolution / kMmPerInch;
  const qreal width = painter.device()->width();
  const qreal height = painter.device()->height();
  const QFont& base = form.font();

  // The chart with its captions, in the window's arrangement.
  QRect area = form.sinPicture1->geometry();
  for (const QLabel* label : chart_labels(form)) area |= label->geometry();

  // Laid out from the top, the chart `panel_width` wide.
  painter.save();
  // The chart `stretch` times taller than the window's proportions, to use
  // the page's height.
  const auto laid_out = [&](bool paint, qreal panel_width, qreal stretch) {
    qreal y = 0;
    painter.setFont(page_font(base, 14, true));
    const QString birth =
        QString::fromStdU16String(entered_text(form.chart_birth, form.chart_entry));
    const QString start = QString::fromStdU16String(date_with_weekday(form.chart_readout->start()));
    // Whose chart it is, when 登録者一覧 put it up.
    const QString heading =
        form.chart_name.isEmpty()
            ? QString("生年月日 %1　表示開始日 %2").arg(birth, start)
            : QString("%1　%2生　表示開始日 %3").arg(form.chart_name, birth, start);
    if (paint) {
      painter.setPen(Qt::black);
      painter.drawText(QPointF(0, y + painter.fontMetrics().ascent()), heading);
    }
    y += painter.fontMetrics().height() + 4 * mm;

    const qreal k = panel_width / area.width();
    const qreal ky = k * stretch;
    const QRectF panel(0, y, panel_width, area.height() * ky);
    if (paint) {
      // A label keeps its height and sits at the middle of its stretched place.
      const auto place = [&](const QRect& r, bool label) {
        const qreal h = r.height() * (label ? k : ky);
        return QRectF(panel.x() + (r.x() - area.x()) * k,
                      panel.y() + (r.center().y() - area.y()) * ky - h / 2, r.width() * k, h);
      };
      const QRect inner = form.sinPicture1->contentsRect().translated(form.sinPicture1->pos());
      const DrawingBox::Look look = paper_look(mm);
      form.sinPicture1->paint_drawing(painter, place(inner, false), 0.3 * mm, &look);
      // The frame around the drawing, not over a curve's end at its edge.
      const qreal frame = 0.2 * mm;
      painter.setPen(QPen(QColor(64, 64, 64), frame));
      painter.drawRect(place(inner, false).adjusted(-frame / 2, -frame / 2, frame / 2, frame / 2));
      for (const QLabel* label : chart_labels(form)) {
        QFont font = label->font();
        font.setPixelSize(qMax(1, qRound(QFontInfo(label->font()).pixelSize() * k)));
        painter.setFont(font);
        const QColor colour = label->palette().color(QPalette::WindowText);
        painter.setPen(ink(colour));
        const QRectF at = place(label->geometry(), true);
        painter.drawText(at, static_cast<int>(label->alignment()) | Qt::TextDontClip,
                         label->text());
        // The legend: each rhythm's line style just before its name.
        const bool legend =
            label == form.Label3[1] || label == form.Label4[1] || label == form.Label17;
        for (std::size_t r = 0; legend && r < kRhythms.size(); ++r) {
          if (colour != to_qcolor(kRhythms[r].pen)) continue;
          const DrawingBox::Stroke sample{DrawingBox::Stroke::Kind::Line, {}, {}, colour,
                                          DrawingBox::Style::Solid,       {}};
          painter.save();
          painter.setPen(look.pen(sample));
          const qreal x = at.left() - 1.5 * mm;
          painter.drawLine(QPointF(x - 8 * mm, at.center().y()), QPointF(x, at.center().y()));
          painter.restore();
        }
      }
    }
    y += panel.height() + 5 * mm;
    painter.setPen(Qt::black);

    // The results as the window shows them, a row of it to a line.
    painter.setFont(page_font(base, 10));
    painter.setPen(Qt::black);
    const QStringList results{form.Label1->text() + form.Label日数->text() + "　" +
                                  form.Label10->text() + form.Label曜日->text() + "　" +
                                  form.Label年齢->text(),
                              form.LabelMsg1->text()};
    for (const QString& line : results) {
      const QRectF box(0, y, width, height);
      const QRectF used = painter.boundingRect(box, Qt::TextWordWrap, line);
      if (paint) painter.drawText(box, Qt::TextWordWrap, line);
      y += used.height();
    }
    y += 5 * mm;

    Table table = day_table(form);
    painter.setFont(page_font(base, 9));
    const qreal pad = 4 * mm;
    const qreal row = painter.fontMetrics().height() * 1.15;
    table.widths.assign(table.rows.front().size(), 0);
    for (const QStringList& cells : table.rows)
      for (qsizetype c = 0; c < cells.size(); ++c)
        table.widths[c] =
            qMax(table.widths[c],
                 QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(cells[c]));
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
      painter.setFont(page_font(base, 9, r == 0));
      qreal x = 0;
      const QStringList& cells = table.rows[r];
      for (qsizetype c = 0; c < cells.size(); ++c) {
        const QRectF cell(x, y, table.widths[c] + 2 * pad, row);
        // The header's bold face may be wider than its column's widest day.
        if (paint)
          painter.drawText(cell.adjusted(0, 0, -pad, 0),
                           table.aligns[c] | Qt::AlignVCenter | Qt::TextDontClip, cells[c]);
        x += cell.width();
      }
      y += row;
      if (r == 0 && paint) painter.drawLine(QPointF(0, y), QPointF(x, y));
    }
    return y;
  };

  // The date printed and the program's name at the foot of the page.
  painter.setFont(page_font(base, 8));
  const qreal footer = painter.fontMetrics().height() + 4 * mm;
  const qreal body = height - footer;
  // The page's width, or less where a landscape page is too short for the
  // rest below it; only a page too small even so is scaled down as a whole.
  // What height is left, the chart takes, up to 1.8 times its proportions.
  const qreal rest = laid_out(false, 0, 1);
  const qreal fitting = (body - rest) * area.width() / area.height();
  const qreal panel_width = qBound(width / 2, fitting, width);
  const qreal needed = laid_out(false, panel_width, 1);
  const qreal panel_height = area.height() * panel_width / area.width();
  const qreal stretch = qBound(1.0, 1 + (body - needed) / panel_height, 1.8);
  const qreal used = laid_out(false, panel_width, stretch);
  painter.save();
  if (used > body) painter.scale(body / used, body / used);
  laid_out(true, panel_width, stretch);
  painter.restore();
  painter.setFont(page_font(base, 8));
  painter.setPen(QColor(64, 64, 64));
  painter.drawText(QRectF(0, height - footer, width, footer), Qt::AlignBottom | Qt::AlignRight,
                   QString("印刷日 %1　Norvane")
                       .arg(QString::fromStdU16String(date_with_weekday(form.services().today()))));
  painter.restore();
}

QString print_chart(QPrinter& printer, const bioForm1& form) {
  return print_page(printer, [&form](QPainter& painter, int resolution) {
    paint_chart_page(painter, resolution, form);
  });
}
