#include "date_picker.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <chrono>

#include "date_text.h"
#include "qt_date.h"

namespace norvane {

namespace {

constexpr Date kFirst = from_sys_days(std::chrono::year{kPickerFirstYear} / 1 / 1);
constexpr Date kLast = from_sys_days(std::chrono::year{9999} / 12 / 31);

}  // namespace

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent) {
  setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
  setCalendarPopup(true);
  // A slim arrow and no inner padding: the pickers are laid out just wide
  // enough for the date at 12 points.
  setStyleSheet(QStringLiteral(
      "QDateEdit { border: 1px solid palette(dark); padding: 0px; background: palette(base); }"
      "QDateEdit:disabled { background: palette(window); }"
      "QDateEdit::drop-down { width: 12px; border-left: 1px solid palette(mid); }"));
  setDateRange(to_qdate(kFirst), to_qdate(kLast));
}

Date DatePicker::Value() const {
  return from_qdate(date());
}

void DatePicker::setValue(Date d) {
  setDate(to_qdate(std::clamp(d, kFirst, kLast)));
}

bool DatePicker::setValueText(std::string_view text) {
  const std::optional<Date> d = parse_date_text(text);
  if (!d || *d < kFirst || *d > kLast) return false;
  setValue(*d);
  return true;
}

std::string DatePicker::ValueText() const {
  return to_date_text(Value());
}

bool DatePicker::focusNextPrevChild(bool next) {
  // Past QDateTimeEdit on purpose: it would walk the sections instead.
  return QWidget::focusNextPrevChild(next);  // NOLINT(bugprone-parent-virtual-call)
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
    event->ignore();  // the window moves the focus on
    return;
  }
  QDateEdit::keyPressEvent(event);
}

void DatePicker::paintEvent(QPaintEvent* event) {
  QDateEdit::paintEvent(event);
  // The slim drop-down of the style sheet has no arrow of its own.
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  const int cx = width() - 7, cy = height() / 2;
  painter.drawPolygon(
      QPolygon({QPoint(cx - 3, cy - 2), QPoint(cx + 4, cy - 2), QPoint(cx, cy + 2)}));
}

Date DatePicker::minimum() {
  return kFirst;
}
Date DatePicker::maximum() {
  return kLast;
}

}  // namespace norvane
