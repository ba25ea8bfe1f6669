#include "fake_services.h"

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
