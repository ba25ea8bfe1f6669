#pragma once
// What the windows need from the outside world, behind one interface so
// that tests can fix today's date and record message boxes.
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "date.h"

class QPrinter;
class QWidget;

namespace norvane {

struct PictureResult {
  QPixmap pixmap;  // null when loading failed
  QString error;   // why it failed; empty on success
};

class Services {
 public:
  virtual ~Services() = default;

  // Today's local date, no time part.
  virtual Date today() const = 0;

  // Modal box with an OK button; returns when the user has closed it.
  // A carriage return in `text` starts a new line.
  virtual void message_box(const QString& text, const QString& caption) = 0;

  // Modal box with Yes and No, No the default; true for Yes.
  virtual bool ask_yes_no(const QString& text, const QString& caption) = 0;

  // The folder the registered people's file is kept in.
  virtual QString people_dir() const = 0;

  // The user's documents folder, where a file is first offered to be saved.
  virtual QString documents_dir() const = 0;

  // A save dialog over `parent`, offering `suggested` (a whole path) and
  // files matching `filter` ("iCalendar (*.ics)"); the path chosen, or
  // empty when the user cancelled.
  virtual QString choose_save_path(QWidget* parent, const QString& caption,
                                   const QString& suggested, const QString& filter) = 0;

  // The print dialog over `parent`: the user picks a printer or a PDF file
  // and sets `printer` up for it; false when the user cancelled. The dialog
  // may outlive the call a moment, so it shares the printer.
  virtual bool choose_printer(QWidget* parent, const std::shared_ptr<QPrinter>& printer) = 0;

  // The process's working directory, not the program's folder.
  virtual QString current_dir() const = 0;

  // The lines of the first `max_bytes` bytes of a Shift-JIS text file,
  // without their line ends; nullopt when `path` names no regular file or it
  // cannot be read.
  virtual std::optional<QStringList> read_text_lines(const QString& path,
                                                     qint64 max_bytes) const = 0;

  virtual PictureResult load_picture(const QString& path) const = 0;

  // Ends the program at once.
  virtual void end_program() = 0;
};

}  // namespace norvane
