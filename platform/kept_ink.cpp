#include "kept_ink.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace norvane {

namespace {

struct Ink {
  QRgb colour;
  QSize size;  // device pixels
  QPointF origin;
  QImage image;
};

// Where free-standing text's glyphs may reach, around its layout.
struct Bounds {
  QPoint lead;
  QSize size;
};

// Per font; a few fonts and a few dozen texts at most. Fonts are compared,
// not keyed: a font's key is built afresh as a long string at every call.
struct Captions {
  QFont font;
  QHash<QString, QStaticText> layouts;
  QHash<QString, std::vector<Ink>> inks;
  QHash<QString, Bounds> bounds;
  qsizetype ink_bytes = 0;
  std::optional<bool> ink_exact;
};

// Enough for the date strip's 31 days in two colours at twice the density.
constexpr qsizetype kInkBudget = 1 << 20;

Captions& captions_of(const QFont& font) {
  static std::vector<Captions> cache;
  auto it =
      std::find_if(cache.begin(), cache.end(), [&](const Captions& c) { return c.font == font; });
  if (it == cache.end()) {
    if (cache.size() >= 8) cache.clear();
    it = cache.insert(cache.end(), {font, {}, {}, {}, 0, {}});
  }
  return *it;
}

const QStaticText& layout_of(Captions& captions, const QString& text) {
  auto it = captions.layouts.find(text);
  if (it == captions.layouts.end()) {
    if (captions.layouts.size() >= 256) captions.layouts.clear();
    QStaticText layout(text);
    layout.setTextFormat(Qt::PlainText);
    layout.prepare(QTransform(), captions.font);
    it = captions.layouts.insert(text, layout);
  }
  return *it;
}

// Draws a sample in place, as a widget on screen does: whether glyphs are
// blended with subpixel or gamma-corrected antialiasing is decided for a
// widget's painter by what it paints on.
class InPlace : public QWidget {
 public:
  InPlace(const QFont& font, const QStaticText& text, QColor colour)
      : text_(text), colour_(colour) {
    setFont(font);
    resize(96, 32);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(colour_, 1));
    painter.drawStaticText(QPointF(1, 1), text_);
  }

 private:
  const QStaticText& text_;
  QColor colour_;
};

// The glyphs alone, on a clear image. Static text is drawn in the painter's
// font, which on an image is not the text's own until set.
QImage drawn_clear(const QFont& font, const QStaticText& text, QColor colour, QSize size,
                   QPointF origin, int ratio) {
  QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(QPen(colour, 1));
  painter.drawStaticText(origin, text);
  return image;
}

// Every shade of every channel, for glyphs to be blended on.
QImage backdrop(QImage::Format format) {
  QImage image(96, 32, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      line[x] = qRgb((x * 37 + y) % 256, (x * 11 + y * 53) % 256, (y * 29 + x) % 256);
  }
  return image.convertToFormat(format);
}

bool ink_is_exact(Captions& captions) {
  if (captions.ink_exact) return *captions.ink_exact;
  const QStaticText& sample = layout_of(captions, QStringLiteral("0123456789日"));
  bool exact = true;
  for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
    for (const QColor colour : {QColor(255, 255, 0), QColor(32, 160, 224)}) {
      const QImage ink =
          drawn_clear(captions.font, sample, colour, QSize(96, 32), QPointF(1, 1), 1);
      QImage blended = backdrop(format);
      QPainter(&blended).drawImage(0, 0, ink);
      QImage in_place = backdrop(format);
      InPlace(captions.font, sample, colour)
          .render(&in_place, QPoint(), QRegion(), QWidget::RenderFlags());
      exact = exact && blended == in_place;
    }
  }
  captions.ink_exact = exact;
  return exact;
}

const QImage& ink_of(Captions& captions, const QString& text, QRgb colour, QSize size,
                     QPointF origin, int ratio) {
  const QSize device = size * ratio;
  std::vector<Ink>* inks = &captions.inks[text];
  const auto kept = std::find_if(inks->begin(), inks->end(), [&](const Ink& ink) {
    return ink.colour == colour && ink.size == device && ink.origin == origin;
  });
  if (kept != inks->end()) return kept->image;
  // Bounded in bytes: wide labels whose captions rarely repeat (days lived,
  // the cycle note) must not pile up.
  const qsizetype bytes = qsizetype(device.width()) * device.height() * 4;
  if (captions.ink_bytes + bytes > kInkBudget) {
    captions.inks.clear();
    captions.ink_bytes = 0;
    inks = &captions.inks[text];
  }
  captions.ink_bytes += bytes;
  const QImage image = drawn_clear(captions.font, layout_of(captions, text),
                                   QColor::fromRgba(colour), size, origin, ratio);
  return inks->insert(inks->end(), {colour, device, origin, image})->image;
}

const Bounds& bounds_of(Captions& captions, const QString& text) {
  auto it = captions.bounds.find(text);
  if (it == captions.bounds.end()) {
    if (captions.bounds.size() >= 256) captions.bounds.clear();
    const QFontMetricsF metrics(captions.font);
    // Glyphs may overhang their advances; antialiasing and the rise add a
    // pixel or two more.
    const QRectF reach = metrics.boundingRect(text)
                             .translated(0, metrics.ascent())
                             .united(QRectF(QPointF(0, 0), layout_of(captions, text).size()))
                             .adjusted(-2, -3, 2, 3);
    const QPoint lead(static_cast<int>(std::ceil(-reach.left())),
                      static_cast<int>(std::ceil(-reach.top())));
    const QSize size(static_cast<int>(std::ceil(reach.right())) + lead.x(),
                     static_cast<int>(std::ceil(reach.bottom())) + lead.y());
    it = captions.bounds.insert(text, {lead, size});
  }
  return *it;
}

// Glyphs set closer than the face spaces them may share pixels, and two
// glyphs blended on a clear image and then onto the backdrop round unlike
// two blended onto the backdrop in turn.
bool sets_glyphs_closer(const QFont& font) {
  const qreal spacing = font.letterSpacing();
  if (font.letterSpacingType() == QFont::AbsoluteSpacing) return spacing < 0;
  return spacing > 0 && spacing < 100;  // 0 per cent is the face's own spacing
}

const QImage* exact_ink(Captions& captions, const QString& text, QRgb colour, QSize size,
                        QPointF origin, int ratio) {
  if (qAlpha(colour) != 255 || ratio < 1 || !ink_is_exact(captions)) return nullptr;
  if (text.size() > 1 && sets_glyphs_closer(captions.font)) return nullptr;
  return &ink_of(captions, text, colour, size, origin, ratio);
}

}  // namespace

const QStaticText& kept_layout(const QFont& font, const QString& text) {
  return layout_of(captions_of(font), text);
}

const QImage* kept_ink(const QFont& font, const QString& text, QRgb colour, QSize size,
                       QPointF origin, int ratio) {
  return exact_ink(captions_of(font), text, colour, size, origin, ratio);
}

FreeInk kept_free_ink(const QFont& font, const QString& text, QRgb colour, qreal rise, int ratio) {
  Captions& captions = captions_of(font);
  const Bounds bounds = bounds_of(captions, text);
  return {exact_ink(captions, text, colour, bounds.size, QPointF(bounds.lead) + QPointF(0, rise),
                    ratio),
          bounds.lead};
}

}  // namespace norvane
