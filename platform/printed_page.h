#pragma once
// A page on paper or in a PDF file, whichever the print dialog chose: the
// page is painted at the device's resolution, and a PDF file is made in
// memory and written whole.
#include <QFont>
#include <QString>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;

namespace norvane {

inline constexpr qreal kMmPerInch = 25.4;

// A font `points` high on the painter's device.
QFont page_font(const QFont& base, qreal points, bool bold = false);

// A4 portrait with 15 mm margins, named `doc_name` for a PDF file. With no
// printer at all the dialog offers that file in `folder`: Qt names one only
// on X11, and elsewhere Return would meet "is a directory".
std::shared_ptr<QPrinter> a4_printer(const QString& doc_name, const QString& folder);

// Paints one page through `paint`, given an open painter and the device's
// dots per inch, on the printer the print dialog set up. Returns the
// message for the user, empty on success; after a failed PDF write the old
// file is as it was.
QString print_page(QPrinter& printer, const std::function<void(QPainter&, int)>& paint);

}  // namespace norvane
