// Start-up of the main window and the demonstration that runs until the
// first key in the year box.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "biorhythm.h"
#include "biorythm.h"
#include "chart_accessible.h"
#include "date_picker.h"
#include "drawing_box.h"
#include "main_window.h"
#include "numbers.h"
#include "services.h"

using namespace norvane;

QString bioForm1::picture_path(const Services& services) {
  return services.current_dir() + "/flower.jpg";
}

void bioForm1::Form_Load() {
  // The picture only decorates: without it the window opens on its plain
  // background.
  const QString path = picture_path(services_);
  const PictureResult picture = services_.load_picture(path);
  if (picture.pixmap.isNull()) {
    qWarning("norvane: %s: %s", qUtf8Printable(path), qUtf8Printable(picture.error));
  } else {
    setPicture(picture.pixmap);
  }

  in_yy.clear();
  in_mm.clear();
  in_dd.clear();
  input_flg = kTrue;
  Option2->setChecked(true);
  DTPicker2->setValue(services_.today());
  DTPicker2->setEnabled(false);
  Check1->setChecked(false);
  demo_day = 0;

  Label日数->setText("?????日です。");
  Label曜日->setText("(？)");
  Label年齢->setText("年齢は??才");
  LabelMsg1->setText(
      "2XXX/XX/XXをもって一周しますので、その後は無理をしないで体を労ってください。");

  sinPicture1->Scale({0, kChartTop}, {kChartRight, 0});
  if (!Timer1->isActive()) Timer1->start();
}

void bioForm1::Timer1_Timer() {
  const ScreenReaderQuiet quiet;
  demo_flg = kTrue;

  std::optional<std::int16_t> offset = to_int16(demo_day);
  if (!offset) {
    // A birth date this far ahead gives no offset that fits: start over
    // from today.
    demo_day = 0;
    offset = 0;
  }
  const Date start = add_days(services_.today(), *offset);
  DTPicker2->setValue(start);

  // The picker always holds an existing date, so there is always a count.
  const double days = present_picker_birth().value_or(0);
  Biorythm::draw_biorhythm(*this, days, start);

  if (demo_day == 0) demo_day = days;
  demo_day += 1;
  if (demo_day > FULL_CYCLE_DAYS) demo_day = 0;

  Text年->setFocus();
}
