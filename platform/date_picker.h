#pragma once
// Date picker shown as yyyy/MM/dd, over the years 1601 to 9999. The keys
// edit one field at a time: Left and Right choose it, Up and Down step it,
// digits type it. F4, Alt+Down or a click on the arrow open a calendar.
//
// Its own control rather than a QDateEdit: the display start date changes
// five times a second in the demonstration, and a line edit with its parser
// and validator cost several times what painting ten digits does.
#include <QHash>
#include <QImage>
#include <QWidget>
#include <array>
#include <string>
#include <string_view>

#include "date.h"
#include "date_fields.h"

class QCalendarWidget;
class QPainter;

namespace norvane {

class DatePicker : public QWidget {
  Q_OBJECT
 public:
  explicit DatePicker(QWidget* parent = nullptr);

  Date Value() const { return fields_.value(); }
  // Dates outside the picker's range are clamped to it.
  void setValue(Date d);
  // Takes a date text (see parse_date_text); false, and the value kept,
  // when the text names no date the picker can hold.
  bool setValueText(std::string_view text);
  // The value as "yyyy/mm/dd".
  std::string ValueText() const;
  // What the picker shows: the value, or the digits being typed.
  QString text() const;
  DateField field() const { return fields_.field(); }

  static Date minimum() { return DateFields::first(); }
  static Date maximum() { return DateFields::last(); }

  QSize sizeHint() const override;
  // The calendar, once it has been opened.
  QCalendarWidget* calendar() const { return calendar_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Runs an edit and repaints when what is shown changed.
  template <typename Edit>
  void edit(Edit&& change);
  void open_calendar();
  QRect text_rect() const;
  int arrow_left() const;
  // Left edges of the shown text's characters, and its right end, in whole
  // pixels: each character is drawn on its own from kept ink, the same few
  // glyphs whatever the date.
  static constexpr int kChars = 10;
  std::array<int, kChars + 1> edges(const QString& shown) const;
  qreal advance(QChar c) const;
  // How far a glyph's ink may reach past its advance, in whole pixels.
  int reach() const;
  // Where the shown text `before` and `now` differ, with the ink around it.
  QRect changed_span(const QString& before, const QString& now) const;
  DateField field_at(int x) const;
  void draw_char(QPainter& painter, QChar c, QPoint at, QColor colour) const;

  DateFields fields_;
  QCalendarWidget* calendar_ = nullptr;
  bool painted_ = false;
  mutable QHash<char16_t, qreal> advances_;
  mutable int reach_ = -1;
  struct Ink {
    QImage image;  // null where kept ink would not be exact
    QPoint lead;
  };
  mutable QHash<quint64, Ink> inks_;
};

}  // namespace norvane
