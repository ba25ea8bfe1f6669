#include "chart_cursor.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "biorhythm.h"
#include "chart_accessible.h"
#include "chart_readout.h"
#include "drawing_box.h"
#include "qt_colour.h"

using namespace norvane;

namespace {

// Stands out from every stroke of the chart and from its background.
constexpr Rgb kCursorColour = rgb(255, 255, 255);
static_assert(std::none_of(kRhythms.begin(), kRhythms.end(),
                           [](const Rhythm& r) { return r.pen == kCursorColour; }) &&
              kCursorColour != kGridColour && kCursorColour != kPromptColour);

}  // namespace

ChartCursor::ChartCursor(DrawingBox* box, ChartReadout* readout, QScrollBar* scroll)
    : QWidget(box),
      box_(box),
      readout_(readout),
      scroll_(scroll),
      copy_(new QAction("コピー", box)),
      menu_(new QMenu(box)) {
  setObjectName("chart_cursor");
  // Only shows: the pointer's tooltip and menu belong to the box beneath.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(box->rect());
  hide();
  box->installEventFilter(this);

  copy_->setShortcut(QKeySequence::Copy);
  copy_->setShortcutContext(Qt::WidgetShortcut);
  copy_->setEnabled(false);
  connect(copy_, &QAction::triggered, this, &ChartCursor::copy);
  box->addAction(copy_);
  // One menu for the box's life, not Qt's menu of the moment: Orca asks
  // after the menu it just read once it has closed, and a destroyed one
  // floods it with errors.
  box->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(box, &QWidget::customContextMenuRequested, this, [this](QPoint pos) {
    if (menu_->actions() != box_->actions()) {
      menu_->clear();
      menu_->addActions(box_->actions());
    }
    menu_->popup(box_->mapToGlobal(pos));
  });

  connect(readout, &ChartReadout::changed, this, &ChartCursor::chart_changed);
}

std::optional<int> ChartCursor::day() const {
  if (!isVisible() || !readout_->shows_chart()) return std::nullopt;
  return day_;
}

bool ChartCursor::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box_) return false;
  switch (event->type()) {
    case QEvent::FocusIn:
      show();
      // Qt tells of the box's focus, and a screen reader speaks the box,
      // its focused day and its description; a move then focuses a day.
      readout_->set_cursor_day(day_);
      break;
    case QEvent::FocusOut:
      hide();
      readout_->set_cursor_day(std::nullopt);
      break;
    case QEvent::Resize:
      setGeometry(box_->rect());
      break;
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
      return mods == Qt::NoModifier && take_key(key->key());
    }
    default:
      break;
  }
  return false;
}

bool ChartCursor::take_key(int key) {
  switch (key) {
    // The scroll bar's own step, so its handler runs as for an arrow click
    // (and does nothing during the demonstration); a blank chart pages too.
    case Qt::Key_PageDown:
      scroll_->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      return true;
    case Qt::Key_PageUp:
      scroll_->triggerAction(QAbstractSlider::SliderSingleStepSub);
      return true;
    case Qt::Key_Left:
      move_to(day_ - 1);
      return true;
    case Qt::Key_Right:
      move_to(day_ + 1);
      return true;
    case Qt::Key_Home:
      move_to(0);
      return true;
    case Qt::Key_End:
      move_to(kChartDays);
      return true;
    default:
      return false;
  }
}

void ChartCursor::move_to(int day) {
  // A blank chart has no cursor to move.
  if (!readout_->shows_chart()) return;
  day = std::clamp(day, 0, kChartDays);
  if (day == day_) return;
  day_ = day;
  readout_->set_cursor_day(day_);
  announce();
  update();
}

void ChartCursor::announce() const {
  if (box_->hasFocus()) announce_chart_day(box_, day_);
}

void ChartCursor::chart_changed() {
  const bool chart = readout_->shows_chart();
  copy_->setEnabled(chart);
  // A blank chart forgets the cursor; the next chart starts it on its first day.
  if (!chart && day_ != 0) {
    day_ = 0;
    if (isVisible()) readout_->set_cursor_day(day_);
  }
  if (!isVisible()) return;
  // The cursor's day is a new one, or gone with the chart.
  announce();
  update();
}

void ChartCursor::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  // The focus mark: the box's frame in the colour the platform marks the
  // focus with, the chart inside left as it is.
  const QRect inner = box_->contentsRect();
  for (const QRect& r : QRegion(rect()) - inner) {
    painter.fillRect(r, palette().color(QPalette::Highlight));
  }
  if (!readout_->shows_chart()) return;

  painter.setClipRect(inner);
  const QColor colour = to_qcolor(kCursorColour);
  // On a whole device pixel, as the chart's own lines are.
  const qreal ratio = devicePixelRatioF();
  const qreal x = std::round(box_->to_widget({chart_x(day_), 0}).x() * ratio) / ratio;
  QPen pen(colour, 1);
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.drawLine(QPointF(x, inner.top()), QPointF(x, inner.bottom()));

  // The read-out beside the cursor, on the side with room for it, over a
  // patch of the background so the curves beneath do not cross it.
  const QString text = readout_->day_caption(day_);
  const QFontMetrics metrics(font());
  const QSize size(metrics.horizontalAdvance(text) + 6, metrics.height() + 2);
  const int gap = 4;
  int left = static_cast<int>(x) + gap;
  if (left + size.width() > inner.right()) left = static_cast<int>(x) - gap - size.width();
  left = std::clamp(left, inner.left(), std::max(inner.left(), inner.right() + 1 - size.width()));
  const QRect patch(QPoint(left, inner.top() + 3), size);
  painter.fillRect(patch, box_->palette().color(box_->backgroundRole()));
  painter.drawText(patch, Qt::AlignCenter, text);
}

void ChartCursor::copy() const {
  if (!readout_->shows_chart()) return;
  // The chart alone: neither the box's frame nor the cursor and read-out.
  const QRect inner = box_->contentsRect();
  const qreal ratio = box_->devicePixelRatioF();
  QImage image(inner.size() * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  box_->render(&image, QPoint(), QRegion(inner), QWidget::DrawWindowBackground);
  auto* data = new QMimeData;
  data->setText(readout_->table_text());
  data->setImageData(image);
  // Held in memory by the clipboard; nothing goes to disk.
  QGuiApplication::clipboard()->setMimeData(data);
}
