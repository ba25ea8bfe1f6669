#pragma once
// 注意日一覧 on paper: the list's year as twelve month calendars on one
// page to hang up, each caution day marked in its cell with its rhythms'
// initials, the days of two or three in bold and framed so that they show
// without colour.
#include <QString>
#include <vector>

#include "caution.h"
#include "date.h"

class QFont;
class QPainter;
class QPrinter;

struct CautionCalendar {
  QString name;  // the registered person, or empty
  norvane::Date birth;
  norvane::Date first;  // the list's first day
  int days = 0;         // how many days the list covers
  std::vector<norvane::CautionDay> caution;
  QString next_triple;  // the line the window shows under the list
};

// Paints the page onto `painter`, open on a paged device of `resolution`
// dots per inch, in `base`'s face.
void paint_caution_calendar(QPainter& painter, int resolution, const QFont& base,
                            const CautionCalendar& calendar);

// Prints the page on the printer the print dialog set up; a PDF file is
// written whole. Returns the message for the user, empty on success.
QString print_caution_calendar(QPrinter& printer, const QFont& base,
                               const CautionCalendar& calendar);
