// The main window in its layout state: every control with its place,
// caption, colours and keyboard order.
#include "main_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "app_icon.h"
#include "chart_accessible.h"
#include "chart_readout.h"
#include "date_picker.h"
#include "direct_entry_box.h"
#include "drawing_box.h"
#include "fonts.h"
#include "key_filter.h"
#include "qt_colour.h"
#include "twips.h"

using namespace norvane;

namespace {

// Labels are transparent: the window's picture, or the frame's face, shows
// around their characters. A label too small for its caption in this
// font grows right and down, so no caption is ever cut off.
QLabel* make_label(QWidget* parent, const QString& name, const QString& caption, QRect geometry,
                   Qt::Alignment align = Qt::AlignLeft) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(caption);
  label->setObjectName(name);
  label->setAlignment(align | Qt::AlignTop);
  // A caption is one line of plain text, so its size is what QLabel's size
  // hint gives, found with one layout of it instead of the hint's three.
  const QSize needed = label->fontMetrics().size(0, caption);
  geometry.setWidth(std::max(geometry.width(), needed.width()));
  geometry.setHeight(std::max(geometry.height(), needed.height()));
  label->setGeometry(geometry);
  return label;
}

void set_text_colour(QWidget* w, Rgb colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, to_qcolor(colour));
  w->setPalette(p);
}

void set_back_colour(QWidget* w, Rgb colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, to_qcolor(colour));
  p.setColor(QPalette::Button, to_qcolor(colour));
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

QRadioButton* make_option(QWidget* parent, const QString& name, QRect geometry, Rgb back) {
  auto* option = new QRadioButton(parent);
  option->setObjectName(name);
  option->setGeometry(geometry);
  option->setFocusPolicy(Qt::ClickFocus);
  set_back_colour(option, back);
  return option;
}

QLineEdit* make_date_box(QWidget* parent, const QString& name, QRect geometry, int max_length) {
  // Digits only ever arrive as direct keys: no input method may compose.
  auto* box = new DirectEntryBox(parent);
  box->setObjectName(name);
  box->setGeometry(geometry);
  box->setFont(date_font());
  box->setMaxLength(max_length);
  return box;
}

DatePicker* make_picker(QWidget* parent, const QString& name, QRect geometry, Date value) {
  auto* picker = new DatePicker(parent);
  picker->setObjectName(name);
  // Slightly closer digits, and a picker too narrow for the date with the
  // style's frame and arrow grows right, as a label does for its caption.
  QFont font = date_font();
  font.setLetterSpacing(QFont::AbsoluteSpacing, -1);
  picker->setFont(font);
  geometry.setWidth(std::max(geometry.width(), picker->sizeHint().width()));
  picker->setGeometry(geometry);
  picker->setValue(value);
  return picker;
}

QPushButton* make_button(QWidget* parent, const QString& name, const QString& caption,
                         QRect geometry, bool tab_stop) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setFocusPolicy(tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
  return button;
}

Date layout_date(int y, int m, int d) {
  return *date_serial(y, m, d);
}

}  // namespace

bioForm1::bioForm1(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName("bioForm1");
  setWindowTitle("NorvaneA1.0");
  setWindowIcon(app_icon());
  resize(px(9240), px(5880));
  // Qt has no role for an inactive window's border; the button face is the
  // colour such borders have in the classic desktop schemes.
  QPalette p = palette();
  p.setColor(QPalette::Window, p.color(QPalette::Inactive, QPalette::Button));
  setPalette(p);
  setAutoFillBackground(true);

  // Before any control exists, so each gets its interface from it.
  install_chart_accessibility();
  create_entry_controls();
  create_chart_controls();
  create_result_controls();
  set_tab_order();
  connect_mode_handlers();
  connect_command_handlers();
  connect_keys();
  set_accessible_texts();

  new KeyPressFilter(Text年, [this](int& key) { Text年_KeyPress(key); });
  new KeyPressFilter(Text月, [this](int& key) { Text月_KeyPress(key); });
  new KeyPressFilter(Text日, [this](int& key) { Text日_KeyPress(key); });

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(200);
  connect(Timer1, &QTimer::timeout, this, &bioForm1::Timer1_Timer);
  Timer1->start();

  connect(Command実行, &QPushButton::clicked, this, &bioForm1::Command実行_Click);
  // Runs once per real change of the value, never for a value kept.
  connect(HScroll1, &QScrollBar::valueChanged, this, &bioForm1::HScroll1_Change);
}

bioForm1::~bioForm1() = default;

void bioForm1::create_entry_controls() {
  Option1 = make_option(this, "Option1", twips_rect(240, 240, 200, 200), rgb(64, 64, 64));
  Label7 = make_label(this, "Label7", "平成", twips_rect(480, 250, 495, 255));
  Option2 = make_option(this, "Option2", twips_rect(240, 600, 200, 200), rgb(128, 128, 128));
  Option2->setChecked(true);
  Label8 = make_label(this, "Label8", "昭和", twips_rect(480, 600, 375, 255));
  Option3 = make_option(this, "Option3", twips_rect(240, 1080, 200, 200), rgb(207, 192, 192));
  Label9 = make_label(this, "Label9", "西暦", twips_rect(480, 1080, 375, 255));

  Frame2 = new QGroupBox("年号選択及び生年月日の入力", this);
  Frame2->setObjectName("Frame2");
  Frame2->setGeometry(twips_rect(1080, 120, 2775, 735));
  // A frame is opaque in the face colour, unlike the labels on it.
  QPalette fp = Frame2->palette();
  fp.setColor(QPalette::Window, fp.color(QPalette::Button));
  Frame2->setPalette(fp);
  Frame2->setAutoFillBackground(true);

  Label年号 = make_label(Frame2, "Label年号", "Ｓ", twips_rect(120, 360, 135, 255));
  Text年 = make_date_box(Frame2, "Text年", twips_rect(360, 240, 375, 375), 2);
  Label4[0] = make_label(Frame2, "Label4(0)", "年", twips_rect(840, 360, 135, 255));
  Text月 = make_date_box(Frame2, "Text月", twips_rect(1080, 240, 375, 375), 2);
  Label3[0] = make_label(Frame2, "Label3(0)", "月", twips_rect(1560, 360, 255, 255));
  // No limit until its key handler sets one.
  Text日 = make_date_box(Frame2, "Text日", twips_rect(1920, 240, 375, 375), 32767);
  Label2 = make_label(Frame2, "Label2", "日", twips_rect(2400, 360, 135, 255));

  DTPicker1 =
      make_picker(this, "DTPicker1", twips_rect(1080, 960, 1815, 375), layout_date(2008, 4, 16));
  DTPicker1->setEnabled(false);

  Label11 =
      make_label(this, "Label11", "＜＜＜ﾊﾞｲｵﾘｽﾞﾑの概要＞＞＞", twips_rect(4320, 120, 2535, 255));
  Label概要 = make_label(this, "Label概要",
                         "身体,感情,知性の状態を知るもので生まれてからの身体(23日),\r\n"
                         "感情(28日),知性(33日)という周期をもっていると言われ、それを\r\n"
                         " Ｓｉｎカーブで表現しました。\r\n"
                         "　（結果が正なら順調期、負なら回復期、０なら注意日）\r\n",
                         twips_rect(4320, 360, 4815, 735));
}

void bioForm1::create_chart_controls() {
  Label3[1] = make_label(this, "Label3(1)", "身体", twips_rect(3120, 1320, 375, 255));
  set_text_colour(Label3[1], rgb(255, 128, 128));
  Label4[1] = make_label(this, "Label4(1)", "感情", twips_rect(4200, 1320, 375, 255));
  set_text_colour(Label4[1], rgb(0, 255, 0));
  Label17 = make_label(this, "Label17", "知性", twips_rect(5280, 1320, 375, 255));
  set_text_colour(Label17, rgb(0, 0, 255));
  Label5 =
      make_label(this, "Label5", "バイオリズム(３０日表示)", twips_rect(6000, 1320, 2415, 255));
  set_text_colour(Label5, rgb(255, 128, 0));

  sinPicture1 = new DrawingBox(this);
  sinPicture1->setObjectName("sinPicture1");
  sinPicture1->setGeometry(twips_rect(1200, 1560, 7335, 2775));
  set_back_colour(sinPicture1, rgb(64, 64, 64));
  // By Tab at its place in the order and by a click, for its day cursor.
  sinPicture1->setFocusPolicy(Qt::StrongFocus);
  chart_readout = new ChartReadout(sinPicture1);

  Label19 =
      make_label(this, "Label19", "順調日(正)", twips_rect(240, 2040, 855, 255), Qt::AlignHCenter);
  set_text_colour(Label19, rgb(0, 192, 192));
  Label18 =
      make_label(this, "Label18", "注意日(０)", twips_rect(240, 2880, 855, 255), Qt::AlignHCenter);
  set_text_colour(Label18, rgb(192, 0, 0));
  Label20 =
      make_label(this, "Label20", "回復日(負)", twips_rect(240, 3720, 855, 255), Qt::AlignHCenter);
  set_text_colour(Label20, rgb(255, 128, 0));

  for (int i = 0; i < 30; ++i) {
    // Their captions change at every tick, among 31 day numbers.
    L_date[i] =
        make_label(this, QString("L_date(%1)").arg(i), QString("%1").arg(i + 1, 2, 10, QChar('0')),
                   twips_rect(1320 + 240 * i, 4440, 255, 255));
    set_text_colour(L_date[i], rgb(255, 255, 0));
    // At the strip's pitch, not the pixel over it that the layout gives:
    // the labels are transparent, so one overlapping a neighbour, the row
    // below or the scroll bar would repaint it at every new day. The two
    // digits' ink lies within.
    L_date[i]->resize(px(240), px(4680 - 4440));
  }

  HScroll1 = new QScrollBar(Qt::Horizontal, this);
  HScroll1->setObjectName("HScroll1");
  HScroll1->setGeometry(twips_rect(8520, 4400, 495, 255));
  HScroll1->setRange(0, 32767);
  HScroll1->setSingleStep(1);
  HScroll1->setPageStep(1);
  HScroll1->setValue(0);
  HScroll1->setFocusPolicy(Qt::ClickFocus);
}

void bioForm1::create_result_controls() {
  Label6 = make_label(this, "Label6", "ﾊﾞｲｵﾘｽﾞﾑ表示開始日付", twips_rect(240, 4680, 1935, 255));
  // Down to the pitch of its row, for the same reason: DTPicker2 below it
  // changes at every tick.
  Label6->resize(Label6->width(), px(4920 - 4680));
  Label1 = make_label(this, "Label1", "生まれてから現在まで", twips_rect(2400, 4680, 1815, 255));
  Label日数 = make_label(this, "Label日数", "", twips_rect(4200, 4680, 1215, 255));
  Label10 = make_label(this, "Label10", "生まれた曜日", twips_rect(5640, 4680, 1095, 255));
  Label曜日 = make_label(this, "Label曜日", "？", twips_rect(6720, 4680, 375, 255));
  Label年齢 = make_label(this, "Label年齢", "", twips_rect(7200, 4680, 1695, 255));

  Check1 = new QCheckBox(this);
  Check1->setObjectName("Check1");
  Check1->setGeometry(twips_rect(240, 4995, 150, 255));
  set_back_colour(Check1, rgb(192, 192, 255));

  DTPicker2 =
      make_picker(this, "DTPicker2", twips_rect(480, 4920, 1575, 375), layout_date(2008, 4, 21));
  LabelMsg1 = make_label(this, "LabelMsg1", "", twips_rect(2400, 4920, 6615, 255));

  操作方法 = make_button(this, "操作方法", "操作方法", twips_rect(2400, 5280, 975, 495), true);
  Commandサービス =
      make_button(this, "Commandサービス", "ｻｰﾋﾞｽの設定", twips_rect(3840, 5280, 1215, 495), false);
  Command実行 = make_button(this, "Command実行", "実行", twips_rect(6240, 5280, 975, 495), false);
  Command終了 = make_button(this, "Command終了", "終了", twips_rect(8280, 5280, 855, 495), true);
}

void bioForm1::set_tab_order() {
  QWidget* const order[] = {Option2,     Text年,          sinPicture1, Text月,   Text日,
                            Command実行, Commandサービス, DTPicker1,   HScroll1, Option1,
                            Option3,     DTPicker2,       Check1,      操作方法, Command終了};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    QWidget::setTabOrder(order[i - 1], order[i]);
  }
}

void bioForm1::setPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void bioForm1::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (picture_.isNull()) return;
  // Band by band. What is left of the window between its opaque controls
  // is a region of many bands: drawn into it at once, the picture is
  // blended line by line, work Qt splits over a pool of threads it starts
  // for it, which cost the first frame more than the copying. Clipped to
  // one band, the picture is copied.
  QPainter painter(this);
  for (const QRect& band : event->region()) {
    painter.setClipRect(band);
    painter.drawPixmap(0, 0, picture_);
  }
}
