#pragma once
#include <vector>

#include "services.h"

namespace norvane {

// For tests: a fixed today, message boxes recorded and closed at once, a
// chosen current directory, and the end of the program only recorded.
// Questions are recorded as messages and answered with `answer`; the save
// and print dialogs answer as set below. Files are
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
  QString documents_dir() const override { return documents_dir_; }
  QString choose_save_path(QWidget* parent, const QString& caption, const QString& suggested,
                           const QString& filter) override;
  bool choose_printer(QWidget* parent, const std::shared_ptr<QPrinter>& printer) override;
  std::optional<QStringList> read_text_lines(const QString& path, qint64 max_bytes) const override;
  PictureResult load_picture(const QString& path) const override;
  void end_program() override { ++end_calls; }

  void set_today(Date d) { today_ = d; }
  void set_current_dir(const QString& dir) { current_dir_ = dir; }
  void set_people_dir(const QString& dir) { people_dir_ = dir; }
  void set_documents_dir(const QString& dir) { documents_dir_ = dir; }

  std::vector<Message> messages;
  // What each save dialog offered; it answers with `save_path`, empty for a
  // cancel.
  QStringList offered_paths;
  QString save_path;
  // The print dialog prints to this PDF file, or is cancelled while empty.
  QString print_pdf_path;
  int print_dialogs = 0;
  int end_calls = 0;
  bool answer = true;

 private:
  Date today_;
  QString current_dir_;
  QString people_dir_;
  QString documents_dir_;
};

}  // namespace norvane
