#include "chart_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>

#include "biorhythm.h"
#include "chart_readout.h"
#include "drawing_box.h"

using namespace norvane;

namespace {

constexpr char kHiddenProperty[] = "norvane_hidden_from_screen_readers";

// One day of the chart, made when a screen reader first asks for it and
// named only for the drawing it was made for: a chart drawn anew gives its
// days new identities, so no reader keeps a read-out cached from before.
// The days of the drawing before stay on, nameless, until the next one, so
// a reader told that the day it had the focus on lost it still finds it.
class DayAccessible : public QAccessibleInterface {
 public:
  DayAccessible(DrawingBox* box, ChartReadout* readout, int day)
      : box_(box), readout_(readout), day_(day), drawing_(readout->drawing()) {}

  bool isValid() const override { return !box_.isNull() && (current() || retired_); }
  void retire() { retired_ = true; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return box_ ? box_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(box_.data());
  }
  QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && current() ? readout_->day_caption(day_) : QString();
  }
  void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
  QRect rect() const override {
    if (!current()) return {};
    // The day's column, as the tooltip takes it.
    const double half = kChartDayWidth / 2;
    const QPointF left = box_->to_widget({chart_x(day_) - half, 0});
    const QPointF right = box_->to_widget({chart_x(day_) + half, 0});
    const QRect inner = box_->contentsRect();
    const QRect column(QPoint(qRound(left.x()), inner.top()),
                       QPoint(qRound(right.x()), inner.bottom()));
    return {box_->mapToGlobal(column.topLeft()), column.size()};
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!current()) {
      s.invalid = !isValid();
      return s;
    }
    s.focusable = true;
    s.focused = box_->hasFocus() && readout_->cursor_day() == day_;
    return s;
  }

  int day() const { return day_; }
  // Named and placed as a day of the chart shown.
  bool current() const {
    return !box_.isNull() && readout_->shows_chart() && readout_->drawing() == drawing_;
  }

 private:
  QPointer<DrawingBox> box_;
  ChartReadout* readout_;
  int day_;
  int drawing_;
  bool retired_ = false;
};

class ChartAccessible : public QAccessibleWidget {
 public:
  ChartAccessible(DrawingBox* box, ChartReadout* readout)
      : QAccessibleWidget(box, QAccessible::List), readout_(readout) {}
  ~ChartAccessible() override {
    forget(retired_);
    forget(days_);
  }
  ChartAccessible(const ChartAccessible&) = delete;
  ChartAccessible& operator=(const ChartAccessible&) = delete;

  int childCount() const override { return readout_->shows_chart() ? kChartDays + 1 : 0; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    if (drawing_ != readout_->drawing()) {
      retire_days();
      drawing_ = readout_->drawing();
    }
    auto& id = days_[static_cast<std::size_t>(index)];
    if (id == 0) {
      id = QAccessible::registerAccessibleInterface(
          new DayAccessible(static_cast<DrawingBox*>(widget()), readout_, index));
    }
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* day = dynamic_cast<const DayAccessible*>(child);
    return day && day->current() && day->parent() == this ? day->day() : -1;
  }
  QAccessibleInterface* focusChild() const override {
    const std::optional<int> day = readout_->cursor_day();
    return widget()->hasFocus() && day ? child(*day) : nullptr;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Description) return readout_->description();
    return QAccessibleWidget::text(t);
  }
  // The focus lies on the cursor's day, as in a list view, so a screen
  // reader taking the box names that day with it.
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (focusChild()) s.focused = false;
    return s;
  }

 private:
  using Days = std::array<QAccessible::Id, kChartDays + 1>;

  static void forget(Days& days) {
    for (QAccessible::Id& id : days) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
      id = 0;
    }
  }
  void retire_days() const {
    forget(retired_);
    for (const QAccessible::Id id : days_) {
      if (id != 0) static_cast<DayAccessible*>(QAccessible::accessibleInterface(id))->retire();
    }
    retired_ = days_;
    days_ = {};
  }

  ChartReadout* readout_;
  mutable Days days_{};
  mutable Days retired_{};
  mutable int drawing_ = -1;
};

// A label shown for the eye only: its place in the tree stays, but readers
// skip what is invisible.
class HiddenAccessible : public QAccessibleWidget {
 public:
  explicit HiddenAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.invisible = true;
    return s;
  }
};

QAccessible::UpdateHandler outer_handler = nullptr;
int quiet_depth = 0;

void pass_news(QAccessibleEvent* event) {
  switch (event->type()) {
    case QAccessible::NameChanged:
    case QAccessible::DescriptionChanged:
    case QAccessible::ValueChanged:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
      return;
    default:
      break;
  }
  if (outer_handler) {
    outer_handler(event);
    return;
  }
  // Qt offers no other way to the platform's bridge than without a handler.
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(pass_news);
}

QAccessibleInterface* make_interface(const QString& /*class_name*/, QObject* object) {
  if (auto* box = qobject_cast<DrawingBox*>(object)) {
    auto* readout = box->findChild<ChartReadout*>(QString(), Qt::FindDirectChildrenOnly);
    if (readout) return new ChartAccessible(box, readout);
  }
  auto* widget = qobject_cast<QWidget*>(object);
  return widget && widget->property(kHiddenProperty).toBool() ? new HiddenAccessible(widget)
                                                              : nullptr;
}

}  // namespace

void install_chart_accessibility() {
  QAccessible::installFactory(make_interface);
}

void announce_chart_day(QWidget* box, int day) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(box, QAccessible::Focus);
  const QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(box);
  if (chart && day >= 0 && day < chart->childCount()) event.setChild(day);
  QAccessible::updateAccessibility(&event);
}

void announce_to_screen_reader(QWidget* from, const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  if (!QAccessible::isActive()) return;
  QAccessibleAnnouncementEvent event(from, text);
  QAccessible::updateAccessibility(&event);
#else
  Q_UNUSED(from);
  Q_UNUSED(text);
#endif
}

ScreenReaderQuiet::ScreenReaderQuiet() {
  if (quiet_depth++ == 0) outer_handler = QAccessible::installUpdateHandler(pass_news);
}

ScreenReaderQuiet::~ScreenReaderQuiet() {
  if (--quiet_depth == 0) QAccessible::installUpdateHandler(outer_handler);
}

void hide_from_screen_readers(QWidget* w, const QString& name) {
  w->setProperty(kHiddenProperty, true);
  // A label with an accessible name of its own announces no new text.
  w->setAccessibleName(name);
}
