#include "qt_services.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QPrintDialog>
#include <QStandardPaths>
#include <chrono>
#include <system_error>

#include "app_icon.h"
#include "people_store.h"
#include "qt_date.h"
#include "text_file.h"
#include "window_closing.h"

namespace norvane {

Date QtServices::today() const {
  // Reading the local date re-reads the time zone file each time, and a
  // demonstration tick asks several times. Kept for a second: the calls of
  // one tick agree, and a new day shows within a second of midnight.
  const auto now = std::chrono::steady_clock::now();
  if (!today_ || now - today_read_ >= std::chrono::seconds(1)) {
    today_ = from_qdate(QDate::currentDate());
    today_read_ = now;
  }
  return *today_;
}

namespace {

int show_box(const QString& text, const QString& caption, QMessageBox::StandardButtons buttons,
             QMessageBox::StandardButton default_button) {
  QString shown = text;
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));

  auto* box = new QMessageBox;
  box->setWindowTitle(caption);
  box->setWindowIcon(app_icon());
  box->setIcon(QMessageBox::NoIcon);
  // Plain text, so a message that happens to look like HTML is shown as typed.
  box->setTextFormat(Qt::PlainText);
  box->setText(shown);
  box->setStandardButtons(buttons);
  box->setDefaultButton(default_button);
  // Orca 48 names an alert by its title alone unless it has a description.
  box->setAccessibleDescription(shown);
  const int answer = box->exec();
  delete_when_closed(box);
  return answer;
}

}  // namespace

void QtServices::message_box(const QString& text, const QString& caption) {
  show_box(text, caption, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtServices::ask_yes_no(const QString& text, const QString& caption) {
  // A Return pressed out of habit keeps what is there.
  return show_box(text, caption, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
         QMessageBox::Yes;
}

QString QtServices::people_dir() const {
  return PeopleStore::default_dir();
}

QString QtServices::current_dir() const {
  return QDir::currentPath();
}

QString QtServices::documents_dir() const {
  // A minimal system may have no such folder yet; a file offered there could
  // not be written.
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString QtServices::choose_save_path(QWidget* parent, const QString& caption,
                                     const QString& suggested, const QString& filter) {
  auto* dialog = new QFileDialog(parent, caption, suggested, filter);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  const bool chosen = dialog->exec() == QDialog::Accepted;
  QString path = chosen ? dialog->selectedFiles().value(0) : QString();
  delete_when_closed(dialog);
  return path;
}

bool QtServices::choose_printer(QWidget* parent, const std::shared_ptr<QPrinter>& printer) {
  auto* dialog = new QPrintDialog(printer.get(), parent);
  // The printer lives as long as the dialog that points at it.
  QObject::connect(dialog, &QObject::destroyed, [printer] {});
  const bool chosen = dialog->exec() == QDialog::Accepted;
  delete_when_closed(dialog);
  return chosen;
}

std::optional<QStringList> QtServices::read_text_lines(const QString& path,
                                                       qint64 max_bytes) const {
  return read_shift_jis_lines(path, max_bytes);
}

PictureResult QtServices::load_picture(const QString& path) const {
  if (picture_ahead_ && picture_ahead_->first == path) {
    DecodedPicture ahead = picture_ahead_->second.get();
    picture_ahead_.reset();
    return to_pixmap(std::move(ahead));
  }
  return load_picture_file(path);
}

void QtServices::decode_picture_ahead(const QString& path) {
  try {
    picture_ahead_.emplace(path, std::async(std::launch::async, decode_picture, path));
  } catch (const std::system_error&) {
    // No thread to be had: load_picture decodes it when asked.
    picture_ahead_.reset();
  }
}

PictureResult QtServices::load_picture_file(const QString& path) {
  return to_pixmap(decode_picture(path));
}

QtServices::DecodedPicture QtServices::decode_picture(const QString& path) {
  // Only a regular file is opened: reading a FIFO would block the start-up.
  const QFileInfo info(path);
  if (!info.exists()) return {QImage(), QStringLiteral("File not found")};
  if (!info.isFile()) return {QImage(), QStringLiteral("Not a regular file")};
  QImageReader reader(path);
  // A header may claim any size; a picture beyond the cap is decoded scaled
  // down, so it can cost neither gigabytes nor minutes.
  const QSize size = reader.size();
  if (qint64(size.width()) * size.height() > kMaxClaimedPixels) {
    return {QImage(),
            QStringLiteral("Picture too large: %1 x %2").arg(size.width()).arg(size.height())};
  }
  if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) {
    reader.setScaledSize(size.scaled(kMaxPictureSide, kMaxPictureSide, Qt::KeepAspectRatio));
  }
  QImage image = reader.read();
  if (image.isNull()) return {QImage(), reader.errorString()};
  return {std::move(image), QString()};
}

PictureResult QtServices::to_pixmap(DecodedPicture picture) {
  if (picture.image.isNull()) return {QPixmap(), picture.error};
  // Moved, so the pixmap takes the pixels over instead of copying them.
  return {QPixmap::fromImage(std::move(picture.image)), QString()};
}

// Leaves every running event loop, including a modal dialog's.
void QtServices::end_program() {
  QCoreApplication::exit(0);
}

}  // namespace norvane
