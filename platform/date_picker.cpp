#include "date_picker.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCalendarWidget>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPolygon>
#include <QStaticText>
#include <QtMath>
#include <algorithm>

#include "date_text.h"
#include "kept_ink.h"
#include "qt_date.h"

namespace norvane {

namespace {

constexpr int kArrowWidth = 12;  // the drop-down, inside the frame
constexpr int kTextMargin = 2;   // between the frame and the digits

// A screen reader reads the date as the picker's value.
class PickerAccessible : public QAccessibleWidget {
 public:
  explicit PickerAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::ComboBox) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return static_cast<const DatePicker*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* picker_accessible(const QString& key, QObject* object) {
  if (key != QLatin1String(DatePicker::staticMetaObject.className())) return nullptr;
  return new PickerAccessible(static_cast<DatePicker*>(object));
}

}  // namespace

DatePicker::DatePicker(QWidget* parent) : QWidget(parent), fields_(Date{}) {
  static const bool installed = (QAccessible::installFactory(picker_accessible), true);
  (void)installed;
  setFocusPolicy(Qt::WheelFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

template <typename Edit>
void DatePicker::edit(Edit&& change) {
  const QString before = text();
  const DateField field = fields_.field();
  change();
  const bool moved = fields_.field() != field;
  const QString now = text();
  if (now == before && !moved) return;
  // A new day mostly changes a digit or two; a new field moves the highlight.
  if (moved || !painted_) {
    update();
  } else {
    update(changed_span(before, now));
  }
  if (QAccessible::isActive()) {
    QAccessibleValueChangeEvent event(this, now);
    QAccessible::updateAccessibility(&event);
  }
}

void DatePicker::setValue(Date d) {
  edit([&] { fields_.set_value(d); });
}

bool DatePicker::setValueText(std::string_view text) {
  const std::optional<Date> d = parse_date_text(text);
  if (!d || *d < minimum() || *d > maximum()) return false;
  setValue(*d);
  return true;
}

std::string DatePicker::ValueText() const {
  return to_date_text(Value());
}

QString DatePicker::text() const {
  return QString::fromStdString(fields_.text());
}

QSize DatePicker::sizeHint() const {
  const QFontMetrics fm(font());
  return {fm.horizontalAdvance(QStringLiteral("0000/00/00")) + 2 * (1 + kTextMargin) + kArrowWidth,
          fm.height() + 2 * (1 + kTextMargin)};
}

int DatePicker::arrow_left() const {
  return width() - 1 - kArrowWidth;
}

QRect DatePicker::text_rect() const {
  return {1 + kTextMargin, 1, arrow_left() - 1 - 2 * kTextMargin, height() - 2};
}

std::array<int, DatePicker::kChars + 1> DatePicker::edges(const QString& shown) const {
  // Every year the picker holds has four digits.
  std::array<int, kChars + 1> out{};
  const int left = text_rect().left();
  qreal x = 0;
  for (int i = 0; i < kChars; ++i) {
    out[i] = left + qRound(x);
    x += advance(shown[i]);
  }
  out[kChars] = left + qRound(x);
  return out;
}

qreal DatePicker::advance(QChar c) const {
  auto it = advances_.find(c.unicode());
  if (it == advances_.end()) {
    // As a text: the letter spacing counts only there.
    it = advances_.insert(c.unicode(), QFontMetricsF(font()).horizontalAdvance(QString(c)));
  }
  return *it;
}

int DatePicker::reach() const {
  if (reach_ < 0) {
    const QFontMetricsF metrics(font());
    qreal most = 0;
    for (const QChar c : QStringLiteral("0123456789/")) {
      const QRectF ink = metrics.boundingRect(c);
      most = std::max({most, -ink.left(), ink.right() - advance(c)});
    }
    // Antialiasing may shade two pixels more, as the kept ink allows for.
    reach_ = qCeil(most) + 2;
  }
  return reach_;
}

QRect DatePicker::changed_span(const QString& before, const QString& now) const {
  const std::array<int, kChars + 1> was = edges(before);
  const std::array<int, kChars + 1> is = edges(now);
  int first = 0;
  while (first < kChars - 1 && before[first] == now[first]) ++first;
  int last = kChars - 1;
  while (last > first && before[last] == now[last] && was[last] == is[last]) --last;
  const int left = std::min(was[first], is[first]) - reach();
  const int right = std::max(was[last + 1], is[last + 1]) + reach();
  const QRect box = text_rect();
  return QRect(left, box.top(), right - left, box.height()) & box;
}

DateField DatePicker::field_at(int x) const {
  // A separator belongs to the field before it.
  const std::array<int, kChars + 1> at = edges(text());
  if (x < at[DateFields::offset(DateField::Month)]) return DateField::Year;
  if (x < at[DateFields::offset(DateField::Day)]) return DateField::Month;
  return DateField::Day;
}

void DatePicker::draw_char(QPainter& painter, QChar c, QPoint at, QColor colour) const {
  const qreal ratio = devicePixelRatioF();
  const int whole = qRound(ratio);
  // The first paint, at start-up, draws in place and keeps nothing.
  if (painted_ && whole == ratio) {
    const quint64 key = quint64(colour.rgba()) << 24 | quint64(whole) << 16 | c.unicode();
    auto it = inks_.find(key);
    if (it == inks_.end()) {
      if (inks_.size() >= 256) inks_.clear();
      const FreeInk ink = kept_free_ink(font(), QString(c), colour.rgba(), 0, whole);
      it = inks_.insert(key, {ink.image != nullptr ? *ink.image : QImage(), ink.lead});
    }
    if (!it->image.isNull()) {
      painter.drawImage(at - it->lead, it->image);
      return;
    }
  }
  painter.setPen(colour);
  painter.drawStaticText(at, kept_layout(font(), QString(c)));
}

void DatePicker::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
  const QPalette& pal = palette();
  const int w = width(), h = height();
  // The frame as filled rectangles: stroking it costs several times more.
  painter.fillRect(rect(), pal.color(group, QPalette::Dark));
  painter.fillRect(1, 1, w - 2, h - 2,
                   pal.color(group, isEnabled() ? QPalette::Base : QPalette::Window));
  painter.fillRect(arrow_left(), 1, 1, h - 2, pal.color(group, QPalette::Mid));

  const QRect box = text_rect();
  painter.setClipRect(box);
  const int line = QFontMetrics(font()).height();
  const int top = box.top() + (box.height() - line) / 2;
  const QString shown = text();
  const std::array<int, kChars + 1> at = edges(shown);
  // The field the keys change, highlighted while the picker has the focus.
  int first = kChars, last = kChars;
  if (hasFocus()) {
    first = DateFields::offset(field());
    last = first + DateFields::width(field());
    painter.fillRect(QRect(at[first], top, at[last] - at[first], line),
                     pal.color(group, QPalette::Highlight));
  }
  const QColor ink = pal.color(group, QPalette::Text);
  const QColor marked = pal.color(group, QPalette::HighlightedText);
  const QRect dirty = event->rect();
  for (int i = 0; i < kChars; ++i) {
    if (at[i + 1] + reach() <= dirty.left() || at[i] - reach() > dirty.right()) continue;
    draw_char(painter, shown[i], QPoint(at[i], top), i >= first && i < last ? marked : ink);
  }
  painter.setClipping(false);
  painted_ = true;
  if (dirty.right() < arrow_left()) return;

  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(pal.color(group, QPalette::ButtonText));
  const int cx = w - 7, cy = h / 2;
  painter.drawPolygon(
      QPolygon({QPoint(cx - 3, cy - 2), QPoint(cx + 4, cy - 2), QPoint(cx, cy + 2)}));
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  const int key = event->key();
  if (key == Qt::Key_F4 ||
      ((key == Qt::Key_Down || key == Qt::Key_Up) && mods == Qt::AltModifier)) {
    open_calendar();
    return;
  }
  if (event->matches(QKeySequence::Copy)) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(ValueText()));
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    // Any date text the program itself reads; anything else changes nothing.
    setValueText(QGuiApplication::clipboard()->text().trimmed().toStdString());
    return;
  }
  if (mods != Qt::NoModifier) {
    event->ignore();
    return;
  }
  switch (key) {
    case Qt::Key_Up:
      return edit([&] { fields_.step(1); });
    case Qt::Key_Down:
      return edit([&] { fields_.step(-1); });
    case Qt::Key_Left:
      return edit([&] { fields_.previous(); });
    case Qt::Key_Right:
      return edit([&] { fields_.next(); });
    case Qt::Key_Home:
      return edit([&] { fields_.select(DateField::Year); });
    case Qt::Key_End:
      return edit([&] { fields_.select(DateField::Day); });
    case Qt::Key_Return:
    case Qt::Key_Enter:
      edit([&] { fields_.commit(); });
      break;  // the window may act on it too
    case Qt::Key_Backspace:
      if (fields_.typing()) return edit([&] { fields_.erase(); });
      break;
    case Qt::Key_Escape:
      if (fields_.typing()) return edit([&] { fields_.cancel_typing(); });
      break;
    default:
      if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return edit([&] { fields_.type(key - Qt::Key_0); });
      }
      break;
  }
  event->ignore();
}

void DatePicker::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  const int x = event->position().toPoint().x();
  if (x >= arrow_left()) {
    open_calendar();
  } else {
    edit([&] { fields_.select(field_at(x)); });
  }
}

void DatePicker::wheelEvent(QWheelEvent* event) {
  const int dy = event->angleDelta().y();
  if (dy == 0) {
    event->ignore();
    return;
  }
  edit([&] { fields_.step(dy > 0 ? 1 : -1); });
}

void DatePicker::focusInEvent(QFocusEvent* event) {
  if (event->reason() == Qt::TabFocusReason) fields_.select(DateField::Year);
  if (event->reason() == Qt::BacktabFocusReason) fields_.select(DateField::Day);
  update();
}

void DatePicker::focusOutEvent(QFocusEvent* /*event*/) {
  edit([&] { fields_.commit(); });
  update();  // the highlight goes
}

void DatePicker::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    if (!isEnabled()) {
      edit([&] { fields_.commit(); });
      if (calendar_ != nullptr) calendar_->hide();
    }
    update();
  }
  if (event->type() == QEvent::FontChange) {
    advances_.clear();
    reach_ = -1;
    inks_.clear();
  }
  if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) update();
  QWidget::changeEvent(event);
}

void DatePicker::open_calendar() {
  edit([&] { fields_.commit(); });
  if (calendar_ == nullptr) {
    calendar_ = new QCalendarWidget(this);
    calendar_->setWindowFlags(Qt::Popup);
    calendar_->setDateRange(to_qdate(minimum()), to_qdate(maximum()));
    auto take = [this](QDate d) {
      calendar_->hide();
      setValue(from_qdate(d));
    };
    connect(calendar_, &QCalendarWidget::clicked, this, take);
    connect(calendar_, &QCalendarWidget::activated, this, take);
  }
  calendar_->setSelectedDate(to_qdate(Value()));
  calendar_->adjustSize();
  calendar_->move(mapToGlobal(QPoint(0, height())));
  calendar_->show();
  calendar_->setFocus();
}

}  // namespace norvane
