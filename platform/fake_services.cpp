#include "fake_services.h"

#include <QPrinter>

#include "people_store.h"
#include "qt_services.h"
#include "text_file.h"

namespace norvane {

void FakeServices::message_box(const QString& text, const QString& caption) {
  messages.push_back({caption, text});
}

bool FakeServices::ask_yes_no(const QString& text, const QString& caption) {
  messages.push_back({caption, text});
  return answer;
}

QString FakeServices::choose_save_path(QWidget* /*parent*/, const QString& /*caption*/,
                                       const QString& suggested, const QString& /*filter*/) {
  offered_paths << suggested;
  return save_path;
}

bool FakeServices::choose_printer(QWidget* /*parent*/, const std::shared_ptr<QPrinter>& printer) {
  ++print_dialogs;
  if (print_pdf_path.isEmpty()) return false;
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(print_pdf_path);
  return true;
}

QString FakeServices::people_dir() const {
  return people_dir_.isEmpty() ? PeopleStore::default_dir() : people_dir_;
}

std::optional<QStringList> FakeServices::read_text_lines(const QString& path,
                                                         qint64 max_bytes) const {
  return read_shift_jis_lines(path, max_bytes);
}

PictureResult FakeServices::load_picture(const QString& path) const {
  return QtServices::load_picture_file(path);
}

}  // namespace norvane
