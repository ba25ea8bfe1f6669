#pragma once
// A picture box for line drawings in a user coordinate system. It keeps
// what was drawn as a list of strokes, so a repaint for any reason shows the
// drawing again; hiding it from code and showing it again leaves it blank.
#include <QColor>
#include <QFrame>
#include <QImage>
#include <QPen>
#include <QPointF>
#include <QStaticText>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

namespace norvane {

class DrawingBox : public QFrame {
  Q_OBJECT
 public:
  enum class Style { Solid = 0, Dot = 2 };

  // One drawing operation, in user coordinates.
  struct Stroke {
    enum class Kind { Line, Point, Text } kind;
    QPointF from;  // Line only
    QPointF to;    // end point, the point, or where text starts
    QColor color;
    Style style = Style::Solid;
    QString text;  // Text only
  };

  explicit DrawingBox(QWidget* parent = nullptr);

  // User coordinates of the inner area's left-top and right-bottom corners.
  void Scale(QPointF left_top, QPointF right_bottom);
  // Clears the drawing; the drawing position returns to (0, 0).
  void Cls();
  void Line(QPointF from, QPointF to);
  void Line(QPointF to);  // from the drawing position
  void PSet(QPointF at);
  void Print(const QString& text);  // at the drawing position

  void setForeColor(const QColor& c) { fore_ = c; }
  QColor ForeColor() const { return fore_; }
  void setDrawStyle(Style s) { style_ = s; }
  Style DrawStyle() const { return style_; }
  QPointF CurrentPoint() const { return current_; }
  QPointF ScaleLeftTop() const { return left_top_; }
  QPointF ScaleRightBottom() const { return right_bottom_; }

  const std::vector<Stroke>& strokes() const { return strokes_; }

  // How the strokes look in another setting, such as paper: the ground, and
  // each stroke's pen. Without one, the screen's colours, solid or dotted.
  struct Look {
    QBrush ground;
    std::function<QPen(const Stroke&)> pen;
  };

  // Paints the drawing again into `target` of any painter, such as a
  // printer's page at its own resolution: the background, then the strokes
  // with lines `pen_width` device pixels wide and text in the painter's font.
  // A `look` draws each connected run of lines as one path, so that a dash
  // pattern runs on across the days.
  void paint_drawing(QPainter& painter, const QRectF& target, qreal pen_width,
                     const Look* look = nullptr) const;

  // Where a user point lands in the widget, in logical pixels, and back.
  QPointF to_widget(QPointF user) const;
  QPointF to_user(QPointF widget) const;

  // Hiding from code forgets the drawing; a minimised window does not.
  void setVisible(bool visible) override;

 signals:
  // Hidden from code: the drawing is gone.
  void forgotten();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // What a picture of the first strokes depends on besides the strokes.
  struct BackdropKey {
    QSize size;
    qreal ratio = 1;
    QColor background;
    QRect inner;
    QPointF left_top, right_bottom;
    bool operator==(const BackdropKey&) const = default;
  };

  void update_drawing();
  void update_opaque();
  QPointF to_widget(QPointF user, const QRect& inner) const;
  QPointF to_target(QPointF user, const QRectF& target) const;
  std::optional<BackdropKey> backdrop_key() const;
  void paint_strokes(QPainter& painter, std::size_t from, std::size_t to);
  // The strokes from..to, each point placed by `place`, and the baseline of
  // text `text_top` below its drawing position.
  template <typename Place>
  void paint_strokes(QPainter& painter, std::size_t from, std::size_t to, Place place,
                     qreal pen_width, qreal text_top, const Look* look = nullptr) const;
  void render_backdrop(const BackdropKey& key, std::size_t count);

  std::vector<Stroke> strokes_;
  QPointF left_top_{0, 0};
  QPointF right_bottom_{1, 1};
  QPointF current_{0, 0};
  QColor fore_{Qt::black};
  Style style_ = Style::Solid;

  // A chart redraws the same grid under new curves: the strokes a paint
  // shares with the previous one, from the first on, are kept as a picture
  // of the inner area and drawn from there.
  std::vector<Stroke> painted_;
  QImage backdrop_;
  std::size_t backdrop_count_ = 0;
  BackdropKey backdrop_key_;
  mutable QStaticText text_layout_;  // of the last text drawn
  bool update_requested_ = false;
};

}  // namespace norvane
