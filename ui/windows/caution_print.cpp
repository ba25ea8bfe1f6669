#include "caution_print.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <chrono>

#include "printed_page.h"

using namespace norvane;
namespace chr = std::chrono;

namespace {

// Dark text on white and light lines, so the page reads from any printer.
constexpr QRgb kInk = qRgb(0, 0, 0);
constexpr QRgb kLine = qRgb(170, 170, 170);
constexpr QRgb kOutside = qRgb(120, 120, 120);  // days the list does not cover
constexpr std::u16string_view kInitials = u"身感知";
constexpr std::u16string_view kWeekdays = u"日月火水木金土";

QString text_of(const std::u16string& s) {
  return QString::fromStdU16String(s);
}

QString initials(const CautionDay& day) {
  QString marks;
  for (std::size_t i = 0; i < day.rhythms.size(); ++i)
    if (day.rhythms[i]) marks += QChar(kInitials[i]);
  return marks;
}

chr::year_month month_of_date(Date d) {
  const chr::year_month_day ymd = to_ymd(d);
  return ymd.year() / ymd.month();
}

QFont pixel_font(const QFont& base, qreal pixels, bool bold = false) {
  QFont font = base;
  font.setPixelSize(qMax(1, qRound(pixels)));
  font.setBold(bold);
  return font;
}

// One month's grid: weeks from 日 to 土, six rows whatever the month.
class MonthGrid {
 public:
  MonthGrid(QPainter& painter, const QFont& base, qreal mm, const CautionCalendar& calendar)
      : painter_(painter), base_(base), mm_(mm), calendar_(calendar) {
    by_day_.assign(static_cast<std::size_t>(std::max(calendar.days, 0)), nullptr);
    for (const CautionDay& day : calendar.caution) {
      const auto i = static_cast<std::size_t>(days_between(calendar.first, day.date));
      if (i < by_day_.size()) by_day_[i] = &day;
    }
  }

  void paint(const QRectF& box, chr::year_month month) {
    const qreal head = box.height() * 0.13, week = box.height() * 0.09;
    const qreal cell_w = box.width() / 7, cell_h = (box.height() - head - week) / 6;
    const qreal top = box.y() + head + week;

    painter_.setPen(QColor(kInk));
    painter_.setFont(pixel_font(base_, head * 0.62, true));
    painter_.drawText(QRectF(box.x(), box.y(), box.width(), head), Qt::AlignCenter,
                      QString("%1年%2月")
                          .arg(static_cast<int>(month.year()))
                          .arg(static_cast<unsigned>(month.month())));
    painter_.setFont(pixel_font(base_, week * 0.6));
    for (int c = 0; c < 7; ++c) {
      painter_.drawText(QRectF(box.x() + c * cell_w, top - week, cell_w, week), Qt::AlignCenter,
                        QString(QChar(kWeekdays[c])));
    }

    painter_.setPen(QPen(QColor(kLine), 0.2 * mm_));
    for (int r = 0; r <= 6; ++r)
      painter_.drawLine(QPointF(box.left(), top + r * cell_h),
                        QPointF(box.right(), top + r * cell_h));
    for (int c = 0; c <= 7; ++c)
      painter_.drawLine(QPointF(box.x() + c * cell_w, top),
                        QPointF(box.x() + c * cell_w, top + 6 * cell_h));

    const Date last = add_days(calendar_.first, calendar_.days - 1);
    const unsigned offset = chr::weekday(chr::sys_days(month / chr::day(1))).c_encoding();
    const auto days = static_cast<unsigned>((month / chr::last).day());
    const qreal pad = 0.1 * cell_w;
    for (unsigned d = 1; d <= days; ++d) {
      const unsigned at = offset + d - 1, week_row = at / 7, column = at % 7;
      const QRectF cell(box.x() + column * cell_w, top + week_row * cell_h, cell_w, cell_h);
      const Date date = from_sys_days(chr::sys_days(month / chr::day(d)));
      const bool listed = calendar_.first <= date && date <= last;
      const CautionDay* day =
          listed ? by_day_[static_cast<std::size_t>(days_between(calendar_.first, date))] : nullptr;
      const bool strong = day && day->count >= 2;

      painter_.setFont(pixel_font(base_, cell_h * 0.32, strong));
      painter_.setPen(QColor(listed ? kInk : kOutside));
      const QRectF inside = cell.adjusted(pad, pad, -pad, -pad);
      painter_.drawText(inside, Qt::AlignLeft | Qt::AlignTop, QString::number(d));
      if (!day) continue;
      // The initials as large as the cell's width lets their number be.
      const QString marks = initials(*day);
      painter_.setFont(
          pixel_font(base_, std::min(cell_h * 0.38, inside.width() / marks.size()), strong));
      painter_.drawText(inside, Qt::AlignHCenter | Qt::AlignBottom, marks);
      if (strong) {
        const qreal width = 0.5 * mm_;
        painter_.setPen(QPen(QColor(kInk), width));
        painter_.drawRect(cell.adjusted(width / 2, width / 2, -width / 2, -width / 2));
      }
    }
  }

 private:
  QPainter& painter_;
  const QFont& base_;
  qreal mm_;
  const CautionCalendar& calendar_;
  std::vector<const CautionDay*> by_day_;  // by days from the first
};

}  // namespace

void paint_caution_calendar(QPainter& painter, int resolution, const QFont& base,
                            const CautionCalendar& calendar) {
  const qreal mm = resolution / kMmPerInch;
  const qreal width = painter.device()->width();
  const qreal height = painter.device()->height();
  const Date last = add_days(calendar.first, calendar.days - 1);
  painter.save();

  qreal y = 0;
  const auto line = [&](const QString& text, QFont font) {
    // A long name is set smaller rather than cut off.
    const qreal advance = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
    if (advance > width) font.setPointSizeF(font.pointSizeF() * width / advance);
    painter.setFont(font);
    painter.setPen(QColor(kInk));
    const QFontMetricsF metrics(font, painter.device());
    painter.drawText(QPointF(0, y + metrics.ascent()), text);
    y += metrics.height();
  };
  line(calendar.name.isEmpty() ? QString("注意日カレンダー")
                               : QString("注意日カレンダー　%1").arg(calendar.name),
       page_font(base, 16, true));
  y += 1 * mm;
  line(QString("生年月日 %1　%2 から %3 まで")
           .arg(text_of(date_with_weekday(calendar.birth)),
                text_of(date_with_weekday(calendar.first)), text_of(date_with_weekday(last))),
       page_font(base, 10));
  line("身＝身体　感＝感情　知＝知性　太字と枠＝二重・三重", page_font(base, 9));
  y += 4 * mm;

  // A list that starts after a month's first day runs into a thirteenth
  // month, whose caution days are named under the grids.
  const chr::year_month first_month = month_of_date(calendar.first);
  QStringList beyond;
  for (const CautionDay& day : calendar.caution) {
    if (month_of_date(day.date) < first_month + chr::months(12)) continue;
    QString words = text_of(date_with_weekday(day.date)) + " " + initials(day);
    if (day.count > 1) words += "（" + text_of(caution_overlap(day)) + "）";
    beyond << words;
  }
  QStringList footer{calendar.next_triple};
  if (!beyond.isEmpty()) footer.prepend("12か月より後の注意日: " + beyond.join("、"));
  const QFont footer_font = page_font(base, 10);
  const QFontMetricsF footer_metrics(footer_font, painter.device());
  const auto paragraph = [&](const QString& text) {
    return footer_metrics.boundingRect(QRectF(0, 0, width, height), Qt::TextWordWrap, text);
  };
  qreal footer_height = 3 * mm;
  for (const QString& text : footer) footer_height += paragraph(text).height();

  // Three across on a portrait page, four on a landscape one.
  const int columns = width > height ? 4 : 3;
  const int rows = 12 / columns;
  const qreal gap_x = 6 * mm, gap_y = 5 * mm;
  const qreal month_w = (width - (columns - 1) * gap_x) / columns;
  const qreal month_h = (height - footer_height - y - (rows - 1) * gap_y) / rows;
  MonthGrid grid(painter, base, mm, calendar);
  for (int i = 0; i < 12; ++i) {
    const int row = i / columns, column = i % columns;
    grid.paint(QRectF(column * (month_w + gap_x), y + row * (month_h + gap_y), month_w, month_h),
               first_month + chr::months(i));
  }

  y = height - footer_height + 3 * mm;
  painter.setFont(footer_font);
  painter.setPen(QColor(kInk));
  for (const QString& text : footer) {
    painter.drawText(QRectF(0, y, width, height - y), Qt::TextWordWrap, text);
    y += paragraph(text).height();
  }
  painter.restore();
}

QString print_caution_calendar(QPrinter& printer, const QFont& base,
                               const CautionCalendar& calendar) {
  return print_page(printer, [&](QPainter& painter, int resolution) {
    paint_caution_calendar(painter, resolution, base, calendar);
  });
}
