#include "date_picker.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <algorithm>
#include <chrono>

#include "date_text.h"
#include "direct_entry_box.h"
#include "qt_date.h"

namespace norvane {

namespace {

constexpr Date kFirst = from_sys_days(std::chrono::year{kPickerFirstYear} / 1 / 1);
constexpr Date kLast = from_sys_days(std::chrono::year{9999} / 12 / 31);

// Qt's spin-box interface for screen readers keeps the line edit it first
// reads. One made while a picker's base classes are being built keeps the
// line edit the picker then replaces, and Qt 6.8 files it under the class
// being built, for good: a screen reader asking it for the text crashes the
// program. Until the picker's own constructor runs, a reader gets a plain
// widget instead.
const QObject* picker_being_built = nullptr;

QAccessibleInterface* interface_while_built(const QString& /*class_name*/, QObject* object) {
  if (object == nullptr || object != picker_being_built) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::SpinBox);
}

QWidget* start_building(const QObject* picker, QWidget* parent) {
  static const bool installed = [] {
    QAccessible::installFactory(interface_while_built);
    return true;
  }();
  Q_UNUSED(installed);
  picker_being_built = picker;
  return parent;
}

}  // namespace

DatePicker::DatePicker(QWidget* parent) : QDateEdit(start_building(this, parent)) {
  picker_being_built = nullptr;
  // Typed digits arrive as they are, as in the era boxes: an input method
  // in kana mode would compose full-width digits the picker rejects. The
  // picker answers the input method's queries with its line edit's answers.
  auto* edit = new DirectEntryBox(this);
  edit->setObjectName(QStringLiteral("qt_spinbox_lineedit"));
  setLineEdit(edit);
  // An interface made since, around the line edit just replaced, is made
  // again around this one.
  if (QAccessibleInterface* stale = QAccessible::queryAccessibleInterface(this)) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(stale));
  }
  edit->installEventFilter(this);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  // The window is Japanese whatever the desktop's locale, and so are the
  // date's digits: ASCII.
  setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
  setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
  setDateRange(to_qdate(kFirst), to_qdate(kLast));
  setCalendarPopup(true);
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

Date DatePicker::minimum() {
  return kFirst;
}

Date DatePicker::maximum() {
  return kLast;
}

bool DatePicker::focusNextPrevChild(bool next) {
  // NOLINTNEXTLINE(bugprone-parent-virtual-call): QDateEdit's own walks the sections
  return QWidget::focusNextPrevChild(next);
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
    event->ignore();  // the window moves the focus on
    return;
  }
  // The whole date, not the selected section, as the program's date text.
  if (event->matches(QKeySequence::Copy)) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(ValueText()));
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    // Any date text the program itself reads; anything else changes nothing.
    setValueText(QGuiApplication::clipboard()->text().trimmed().toStdString());
    return;
  }
  QDateEdit::keyPressEvent(event);
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event) {
  // A plain click selects the field under it, so typed digits replace the
  // field instead of going into it; the press has already moved the cursor
  // there, and a drag keeps its own selection.
  if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
      !lineEdit()->hasSelectedText()) {
    setSelectedSection(currentSection());
  }
  return QDateEdit::eventFilter(watched, event);
}

}  // namespace norvane
