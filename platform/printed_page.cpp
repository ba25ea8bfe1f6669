#include "printed_page.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "saved_file.h"

namespace norvane {

QFont page_font(const QFont& base, qreal points, bool bold) {
  QFont font = base;
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

std::shared_ptr<QPrinter> a4_printer(const QString& doc_name, const QString& folder) {
  auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageOrientation(QPageLayout::Portrait);
  printer->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  printer->setDocName(doc_name);
  printer->setCreator("Norvane");
  if (QPrinterInfo::availablePrinterNames().isEmpty()) {
    printer->setOutputFileName(folder + '/' + doc_name + ".pdf");
  }
  return printer;
}

QString print_page(QPrinter& printer, const std::function<void(QPainter&, int)>& paint) {
  if (printer.outputFormat() == QPrinter::PdfFormat) {
    // Made in memory and written whole, so a failed write leaves the file
    // as it was.
    const QString path = printer.outputFileName();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
      QPdfWriter writer(&buffer);
      writer.setPageLayout(printer.pageLayout());
      writer.setResolution(printer.resolution());
      writer.setTitle(printer.docName());
      writer.setCreator(printer.creator());
      QPainter painter(&writer);
      paint(painter, writer.resolution());
    }
    const QString why = save_whole(path, buffer.data());
    if (why.isEmpty()) return {};
    return QString(
               "PDF のファイル %1 に書き込めませんでした（%2）。\r"
               "ファイルは元のままです。")
        .arg(QDir::toNativeSeparators(path), why);
  }
  QPainter painter;
  if (painter.begin(&printer)) {
    paint(painter, printer.resolution());
    if (painter.end() && printer.printerState() != QPrinter::Error) return {};
  }
  return QString("プリンター %1 で印刷できませんでした。").arg(printer.printerName());
}

}  // namespace norvane
