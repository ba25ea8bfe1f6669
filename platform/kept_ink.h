#pragma once
// Text laid out and drawn once and kept, per font. With plain grey
// antialiasing, drawing the glyphs on a clear image and blending that gives
// the very pixels of drawing them in place, in one blit instead of blending
// each glyph again; each font is checked for that first.
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QStaticText>
#include <QString>

namespace norvane {

// The text's layout in the font, for drawStaticText.
const QStaticText& kept_layout(const QFont& font, const QString& text);

// The glyphs of `text` in an opaque `colour`, on a clear image of `size`
// logical pixels at a whole device `ratio`, the layout's top-left at
// `origin`. Null where the kept ink would not paint exactly as drawing in
// place: a translucent colour, or subpixel or gamma-corrected text.
const QImage* kept_ink(const QFont& font, const QString& text, QRgb colour, QSize size,
                       QPointF origin, int ratio);

// The same for text standing free, on an image just large enough for its
// glyphs: the layout's top-left lies at `lead` + (0, `rise`) in it, `lead`
// in whole logical pixels.
struct FreeInk {
  const QImage* image = nullptr;
  QPoint lead;
};
FreeInk kept_free_ink(const QFont& font, const QString& text, QRgb colour, qreal rise, int ratio);

}  // namespace norvane
