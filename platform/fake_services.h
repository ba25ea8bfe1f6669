#pragma once
#include <vector>

#include "services.h"

namespace norvane {

// For tests: a fixed today, message boxes recorded and closed at once, a
// chosen current directory, and the end of the program only recorded.
// Questions are recorded as messages and answered with `answer`. Files are
// read as the real program reads them, people kept where the real program
// keeps them unless set.
class FakeServices final : public Services {
 public:
  struct Message {
    QString caption;
    QString text;
  };

  explicit FakeServices(Date today = Date{}) : today_(today) {}

  Date today() const override { return today_; }
  void message_box(const QString& text, const QString& caption) override;
  bool ask_yes_no(const QString& text, const QString& caption) override;
  QString people_dir() const override;
  QString current_dir() const override { return current_dir_; }
  std::optional<QStringList> read_text_lines(const QString& path, qint64 max_bytes) const override;
  PictureResult load_picture(const QString& path) const override;
  void end_program() override { ++end_calls; }

  void set_today(Date d) { today_ = d; }
  void set_current_dir(const QString& dir) { current_dir_ = dir; }
  void set_people_dir(const QString& dir) { people_dir_ = dir; }

  std::vector<Message> messages;
  int end_calls = 0;
  bool answer = true;

 private:
  Date today_;
  QString current_dir_;
  QString people_dir_;
};

}  // namespace norvane
