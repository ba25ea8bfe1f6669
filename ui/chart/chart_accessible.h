#pragma once
// The chart as a screen reader meets it. Qt exposes a QFrame as a frame,
// which AT-SPI readers take for a window and drop the focus of; here the
// chart box is a list whose 31 items are the chart's days, each named by
// its read-out, and the keyboard cursor moves the accessibility focus
// from day to day as a list view does. Labels that only repeat what the
// chart's days say are kept out of the screen reader's way.
#include <QString>

class QWidget;

// Installs the interfaces; once is enough, more calls do nothing.
void install_chart_accessibility();

// The accessibility focus to the chart's day `day`, or to the box itself
// while it shows no chart.
void announce_chart_day(QWidget* box, int day);

// Tells a screen reader `text` at once, where Qt can (6.8 on): the results
// of 実行, heard as they appear. Before, they wait in the chart's description.
void announce_to_screen_reader(QWidget* from, const QString& text);

// While one lives, no change of a text, name, description or value reaches
// a screen reader; the focus and states still do. A demonstration's tick
// changes what no screen-reader user can use, five times a second.
class ScreenReaderQuiet {
 public:
  ScreenReaderQuiet();
  ~ScreenReaderQuiet();
  ScreenReaderQuiet(const ScreenReaderQuiet&) = delete;
  ScreenReaderQuiet& operator=(const ScreenReaderQuiet&) = delete;
};

// `w` keeps out of the accessible tree's view (invisible to it) and sends
// no event when its text changes; a screen reader reads `name` if it asks.
void hide_from_screen_readers(QWidget* w, const QString& name);
