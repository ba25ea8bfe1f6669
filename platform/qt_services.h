#pragma once
#include <QImage>
#include <chrono>
#include <future>
#include <optional>
#include <utility>

#include "services.h"

namespace norvane {

// The real world through Qt: the system clock, QMessageBox, QDir, QFile,
// QFileDialog and QPrintDialog.
class QtServices final : public Services {
 public:
  Date today() const override;
  void message_box(const QString& text, const QString& caption) override;
  bool ask_yes_no(const QString& text, const QString& caption) override;
  QString people_dir() const override;
  QString current_dir() const override;
  QString documents_dir() const override;
  QString choose_save_path(QWidget* parent, const QString& caption, const QString& suggested,
                           const QString& filter) override;
  bool choose_printer(QWidget* parent, const std::shared_ptr<QPrinter>& printer) override;
  std::optional<QStringList> read_text_lines(const QString& path, qint64 max_bytes) const override;
  PictureResult load_picture(const QString& path) const override;
  void end_program() override;

  // Starts decoding the picture on a thread of its own, for load_picture to
  // hand over: start-up has it decoded while the fonts load and the window
  // is built.
  void decode_picture_ahead(const QString& path);

  // The loading behind load_picture, shared with FakeServices so tests load
  // pictures exactly as the program does.
  static PictureResult load_picture_file(const QString& path);
  // The longest side a picture is decoded at, in pixels.
  static constexpr int kMaxPictureSide = 4096;
  // A header claiming more pixels than this is refused before decoding: even
  // scaled down, such a picture would take seconds to decode, and Qt
  // versions differ on whether they try.
  static constexpr qint64 kMaxClaimedPixels = qint64(16384) * 16384;

 private:
  // What a thread other than the main one may make: an image, not a pixmap.
  struct DecodedPicture {
    QImage image;   // null when decoding failed
    QString error;  // why it failed; empty on success
  };
  static DecodedPicture decode_picture(const QString& path);
  static PictureResult to_pixmap(DecodedPicture picture);

  mutable std::optional<Date> today_;
  mutable std::chrono::steady_clock::time_point today_read_;
  mutable std::optional<std::pair<QString, std::future<DecodedPicture>>> picture_ahead_;
};

}  // namespace norvane
