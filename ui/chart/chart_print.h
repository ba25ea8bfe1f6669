#pragma once
// The month's chart on paper: a page laid out for a printer or a PDF file,
// not a screenshot. The chart is drawn again from the chart box's own
// strokes at the device's resolution, with the window's legend, side
// captions and date strip placed as on screen, then the results and the 31
// days as the chart's copy gives them, caution days marked.
#include <QString>

class QPainter;
class QPrinter;
class bioForm1;

// Paints the page for the chart `form` shows onto `painter`, which is open
// on a paged device; `resolution` is the device's dots per inch.
void paint_chart_page(QPainter& painter, int resolution, const bioForm1& form);

// Prints the chart on the printer the print dialog set up; a PDF file is
// written whole. Returns the message for the user, empty on success.
QString print_chart(QPrinter& printer, const bioForm1& form);
