#include "static_text_label.h"

#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <algorithm>
#include <vector>

namespace norvane {

namespace {

// Layouts shared by all such labels, per font; a few fonts and a few
// dozen captions at most. Fonts are compared, not keyed: a font's key is
// built afresh as a long string at every call.
const QStaticText& layout_of(const QString& text, const QFont& font) {
  struct Layouts {
    QFont font;
    QHash<QString, QStaticText> texts;
  };
  static std::vector<Layouts> cache;
  auto fonts =
      std::find_if(cache.begin(), cache.end(), [&](const Layouts& l) { return l.font == font; });
  if (fonts == cache.end()) {
    if (cache.size() >= 8) cache.clear();
    fonts = cache.insert(cache.end(), {font, {}});
  }
  QHash<QString, QStaticText>& layouts = fonts->texts;
  auto it = layouts.find(text);
  if (it == layouts.end()) {
    if (layouts.size() >= 256) layouts.clear();
    QStaticText layout(text);
    layout.setTextFormat(Qt::PlainText);
    layout.prepare(QTransform(), font);
    it = layouts.insert(text, layout);
  }
  return *it;
}

// Line breaks, carriage returns and '&' are laid out by QLabel's own rules.
bool has_control_or_mnemonic(const QString& text) {
  return std::any_of(text.begin(), text.end(),
                     [](QChar c) { return c < QChar(0x20) || c == QLatin1Char('&'); });
}

}  // namespace

StaticTextLabel::StaticTextLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
}

void StaticTextLabel::paintEvent(QPaintEvent* event) {
  // Only the case the cache is for: an enabled, frameless, single-line
  // caption at the top left; anything else paints as any label does.
  const QString caption = text();
  if (frameShape() != QFrame::NoFrame || !isEnabled() || wordWrap() || margin() != 0 ||
      alignment() != (Qt::AlignLeft | Qt::AlignTop) || has_control_or_mnemonic(caption) ||
      layoutDirection() != Qt::LeftToRight) {
    QLabel::paintEvent(event);
    return;
  }
  if (caption.isEmpty()) return;
  QPainter painter(this);
  painter.setPen(QPen(palette().brush(foregroundRole()), 1));
  painter.drawStaticText(contentsRect().topLeft(), layout_of(caption, font()));
}

}  // namespace norvane
