// The main window in its layout state.
#include <QCheckBox>
#include <QDateEdit>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include "date_picker.h"
#include "drawing_box.h"
#include "fonts.h"
#include "form_fixture.h"
#include "qt_colour.h"
#include "twips.h"

using namespace norvane;

namespace {

QString caption_of(QWidget* w) {
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  return {};
}

struct Row {
  const char* name;
  const char* type;
  const char* parent;
  int left, top, width, height;
  const char* caption;
};

// Positions in twips, relative to the control's container.
const Row kRows[] = {
    {"Option1", "QRadioButton", "bioForm1", 240, 240, 200, 200, ""},
    {"Label7", "QLabel", "bioForm1", 480, 250, 495, 255, "平成"},
    {"Option2", "QRadioButton", "bioForm1", 240, 600, 200, 200, ""},
    {"Label8", "QLabel", "bioForm1", 480, 600, 375, 255, "昭和"},
    {"Option3", "QRadioButton", "bioForm1", 240, 1080, 200, 200, ""},
    {"Label9", "QLabel", "bioForm1", 480, 1080, 375, 255, "西暦"},
    {"Frame2", "QGroupBox", "bioForm1", 1080, 120, 2775, 735, "年号選択及び生年月日の入力"},
    {"DTPicker1", "norvane::DatePicker", "bioForm1", 1080, 960, 1815, 375, nullptr},
    {"Label年号", "QLabel", "Frame2", 120, 360, 135, 255, "Ｓ"},
    {"Text年", "QLineEdit", "Frame2", 360, 240, 375, 375, ""},
    {"Label4(0)", "QLabel", "Frame2", 840, 360, 135, 255, "年"},
    {"Text月", "QLineEdit", "Frame2", 1080, 240, 375, 375, ""},
    {"Label3(0)", "QLabel", "Frame2", 1560, 360, 255, 255, "月"},
    {"Text日", "QLineEdit", "Frame2", 1920, 240, 375, 375, ""},
    {"Label2", "QLabel", "Frame2", 2400, 360, 135, 255, "日"},
    {"Label11", "QLabel", "bioForm1", 4320, 120, 2535, 255, "＜＜＜ﾊﾞｲｵﾘｽﾞﾑの概要＞＞＞"},
    {"Label概要", "QLabel", "bioForm1", 4320, 360, 4815, 735, nullptr},
    {"Label3(1)", "QLabel", "bioForm1", 3120, 1320, 375, 255, "身体"},
    {"Label4(1)", "QLabel", "bioForm1", 4200, 1320, 375, 255, "感情"},
    {"Label17", "QLabel", "bioForm1", 5280, 1320, 375, 255, "知性"},
    {"Label5", "QLabel", "bioForm1", 6000, 1320, 2415, 255, "バイオリズム(３０日表示)"},
    {"sinPicture1", "norvane::DrawingBox", "bioForm1", 1200, 1560, 7335, 2775, nullptr},
    {"Label19", "QLabel", "bioForm1", 240, 2040, 855, 255, "順調日(正)"},
    {"Label18", "QLabel", "bioForm1", 240, 2880, 855, 255, "注意日(０)"},
    {"Label20", "QLabel", "bioForm1", 240, 3720, 855, 255, "回復日(負)"},
    {"HScroll1", "QScrollBar", "bioForm1", 8520, 4400, 495, 255, nullptr},
    {"Label6", "QLabel", "bioForm1", 240, 4680, 1935, 240, "ﾊﾞｲｵﾘｽﾞﾑ表示開始日付"},
    {"Label1", "QLabel", "bioForm1", 2400, 4680, 1815, 255, "生まれてから現在まで"},
    {"Label日数", "QLabel", "bioForm1", 4200, 4680, 1215, 255, ""},
    {"Label10", "QLabel", "bioForm1", 5640, 4680, 1095, 255, "生まれた曜日"},
    {"Label曜日", "QLabel", "bioForm1", 6720, 4680, 375, 255, "？"},
    {"Label年齢", "QLabel", "bioForm1", 7200, 4680, 1695, 255, ""},
    {"Check1", "QCheckBox", "bioForm1", 240, 4995, 150, 255, ""},
    {"DTPicker2", "norvane::DatePicker", "bioForm1", 480, 4920, 1575, 375, nullptr},
    {"LabelMsg1", "QLabel", "bioForm1", 2400, 4920, 6615, 255, ""},
    {"操作方法", "QPushButton", "bioForm1", 2400, 5280, 975, 495, "操作方法"},
    {"Commandサービス", "QPushButton", "bioForm1", 3840, 5280, 1215, 495, "ｻｰﾋﾞｽの設定"},
    {"Command実行", "QPushButton", "bioForm1", 6240, 5280, 975, 495, "実行"},
    {"Command終了", "QPushButton", "bioForm1", 8280, 5280, 855, 495, "終了"},
};

}  // namespace

class TestLayout : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    const QPalette desktop = QApplication::palette();
    prepare_test_application();
    // A dark desktop's palette really is dark, or its run proves nothing.
    if (qEnvironmentVariable("GTK_THEME").endsWith(":dark")) {
      QVERIFY(desktop.color(QPalette::WindowText).lightness() > 128);
    }
    // On any desktop the program's reads dark on light.
    const QPalette p = QApplication::palette();
    for (const auto& [text, back] : {std::pair{QPalette::WindowText, QPalette::Window},
                                     {QPalette::Text, QPalette::Base},
                                     {QPalette::ButtonText, QPalette::Button}}) {
      QVERIFY(p.color(text).lightness() < 64 && p.color(back).lightness() > 192);
    }
  }

  void controls_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<bool>("hasCaption");
    QTest::addColumn<QString>("caption");
    for (const Row& r : kRows) {
      QTest::newRow(r.name) << r.type << r.parent << QRect(r.left, r.top, r.width, r.height)
                            << (r.caption != nullptr) << QString(r.caption ? r.caption : "");
    }
    for (int i = 0; i < 30; ++i) {
      const QString name = QString("L_date(%1)").arg(i);
      QTest::newRow(qPrintable(name)) << "QLabel"
                                      << "bioForm1" << QRect(1320 + 240 * i, 4440, 240, 240) << true
                                      << QString("%1").arg(i + 1, 2, 10, QChar('0'));
    }
  }

  void controls() {
    QFETCH(QString, type);
    QFETCH(QString, parent);
    QFETCH(QRect, twips);
    QFETCH(bool, hasCaption);
    QFETCH(QString, caption);
    FormFixture f;
    auto* w = f.form->findChild<QWidget*>(QTest::currentDataTag());
    QVERIFY(w);
    QCOMPARE(QString(w->metaObject()->className()), type);
    QCOMPARE(w->parentWidget()->objectName(), parent);
    const QRect expected = twips_rect(twips.x(), twips.y(), twips.width(), twips.height());
    QCOMPARE(w->pos(), expected.topLeft());
    if (auto* label = qobject_cast<QLabel*>(w)) {
      // A label may only grow, and only as far as its caption needs.
      QVERIFY(w->width() >= expected.width() && w->height() >= expected.height());
      if (w->width() > expected.width()) QCOMPARE(w->width(), label->sizeHint().width());
      if (w->height() > expected.height()) QCOMPARE(w->height(), label->sizeHint().height());
    } else if (auto* picker = qobject_cast<QDateEdit*>(w)) {
      // A picker may only grow right, and shows its date whole: the text
      // within its editor's two-pixel margins.
      QCOMPARE(w->height(), expected.height());
      QVERIFY(w->width() >= expected.width());
      f.form->show();  // lays the editor out
      QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
      const auto* edit = picker->findChild<QLineEdit*>();
      QVERIFY(QFontMetrics(edit->font()).horizontalAdvance(picker->text()) + 4 <= edit->width());
    } else {
      QCOMPARE(w->size(), expected.size());
    }
    if (hasCaption) QCOMPARE(caption_of(w), caption);
  }

  void colours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("colour");
    const int text = QPalette::WindowText, back = QPalette::Window;
    QTest::newRow("Option1") << "Option1" << back << QColor(64, 64, 64);
    QTest::newRow("Option2") << "Option2" << back << QColor(128, 128, 128);
    QTest::newRow("Option3") << "Option3" << back << QColor(207, 192, 192);
    QTest::newRow("sinPicture1") << "sinPicture1" << back << QColor(64, 64, 64);
    QTest::newRow("Check1") << "Check1" << back << QColor(192, 192, 255);
    QTest::newRow("身体") << "Label3(1)" << text << QColor(255, 128, 128);
    QTest::newRow("感情") << "Label4(1)" << text << QColor(0, 255, 0);
    QTest::newRow("知性") << "Label17" << text << QColor(0, 0, 255);
    QTest::newRow("Label5") << "Label5" << text << QColor(255, 128, 0);
    QTest::newRow("Label19") << "Label19" << text << QColor(0, 192, 192);
    QTest::newRow("Label18") << "Label18" << text << QColor(192, 0, 0);
    QTest::newRow("Label20") << "Label20" << text << QColor(255, 128, 0);
    QTest::newRow("L_date(0)") << "L_date(0)" << text << QColor(255, 255, 0);
    QTest::newRow("L_date(29)") << "L_date(29)" << text << QColor(255, 255, 0);
    QTest::newRow("Label曜日") << "Label曜日" << text
                               << QApplication::palette().color(QPalette::WindowText);
  }

  void colours() {
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QColor, colour);
    FormFixture f;
    auto* w = f.form->findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(w->palette().color(QPalette::ColorRole(role)), colour);
    if (role == QPalette::Window) QVERIFY(w->autoFillBackground());
  }

  void labels_are_transparent_and_aligned() {
    FormFixture f;
    int count = 0, black = 0;
    for (QLabel* l : f.form->findChildren<QLabel*>()) {
      if (l->objectName().isEmpty()) continue;  // parts of other controls
      ++count;
      QVERIFY2(!l->autoFillBackground(), qPrintable(l->objectName()));
      black += l->palette().color(QPalette::WindowText) == QColor(Qt::black);
      QCOMPARE(l->focusPolicy(), Qt::NoFocus);
      const bool centred = QStringList{"Label19", "Label18", "Label20"}.contains(l->objectName());
      QCOMPARE(l->alignment() & Qt::AlignHorizontal_Mask,
               centred ? Qt::AlignHCenter : Qt::AlignLeft);
    }
    QCOMPARE(count, 23 + 30);
    QCOMPARE(black, 16);  // those the layout gives no colour, on any desktop
  }

  void window_and_initial_state() {
    FormFixture f;
    bioForm1& w = *f.form;
    QCOMPARE(w.objectName(), QString("bioForm1"));
    QCOMPARE(w.windowTitle(), QString("NorvaneA1.0"));
    QCOMPARE(w.size(), QSize(616, 392));
    QVERIFY(!w.windowIcon().isNull());
    QVERIFY(w.Option2->isChecked());
    QVERIFY(!w.Option1->isChecked());
    QVERIFY(!w.Option3->isChecked());
    QCOMPARE(w.DTPicker1->Value(), ymd(2008, 4, 16));
    QVERIFY(!w.DTPicker1->isEnabled());
    QCOMPARE(w.DTPicker2->Value(), ymd(2008, 4, 21));
    QVERIFY(w.DTPicker2->isEnabled());
    QVERIFY(!w.Check1->isChecked());
    QCOMPARE(w.Text年->maxLength(), 2);
    QCOMPARE(w.Text月->maxLength(), 2);
    QCOMPARE(w.Text日->maxLength(), 32767);
    for (QWidget* box : QWidgetList{w.Text年, w.Text月, w.Text日, w.DTPicker1, w.DTPicker2}) {
      box->setEnabled(true);  // a disabled control answers false anyway
      QVERIFY(!box->testAttribute(Qt::WA_InputMethodEnabled));
      // What the platform's input context asks before it serves a box.
      QInputMethodQueryEvent query(Qt::ImEnabled);
      QCoreApplication::sendEvent(box, &query);
      QVERIFY(!query.value(Qt::ImEnabled).toBool());
      QCOMPARE(box->font().pointSize(), 12);
    }
    QCOMPARE(w.HScroll1->minimum(), 0);
    QCOMPARE(w.HScroll1->maximum(), 32767);
    QCOMPARE(w.HScroll1->singleStep(), 1);
    QCOMPARE(w.HScroll1->pageStep(), 1);
    QCOMPARE(w.HScroll1->value(), 0);
    QCOMPARE(w.demo_flg, kFalse);
    QCOMPARE(w.demo_day, 0.0);
    QVERIFY(w.in_yy.isEmpty() && w.in_mm.isEmpty() && w.in_dd.isEmpty());
  }

  // Each font asks for one face that is present, and it is the face that
  // the face named for the controls, or the list of Gothic faces, shows.
  void fonts_show_the_faces_asked_for_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QFont>("named");
    QFont list;
    list.setFamilies(japanese_gothic_families() << "Sans Serif");
    list.setPixelSize(12);
    const QFont date(QString::fromUtf16(kDateFontFamily), 12);
    QTest::newRow("caption") << "Label7" << list;
    QTest::newRow("button") << "Command実行" << list;
    for (const char* name : {"Text年", "Text月", "Text日", "DTPicker1", "DTPicker2"}) {
      QTest::newRow(name) << name << date;
    }
  }
  void fonts_show_the_faces_asked_for() {
    QFETCH(QString, control);
    QFETCH(QFont, named);
    FormFixture f;
    auto* widget = f.form->findChild<QWidget*>(control);
    QVERIFY(widget);
    const QFont font = widget->font();
    QCOMPARE(font.families().size(), 1);
    QCOMPARE(QFontInfo(font).family(), QFontInfo(named).family());
    QCOMPARE(QFontInfo(font).pixelSize(), QFontInfo(named).pixelSize());
    QVERIFY(QFontDatabase::families().contains(font.family()));
  }

  void timer_runs_from_creation() {
    FakeServices services(ymd(2026, 12, 6));
    bioForm1 w(services);
    QVERIFY(w.Timer1->isActive());
    QCOMPARE(w.Timer1->interval(), 200);
  }

  // Every control fits the client area; the lowest and right-most edges are
  // those of the button row and the description.
  void controls_fit_client_area() {
    FormFixture f;
    int right = 0, bottom = 0;
    for (QWidget* w : f.form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      right = std::max(right, w->geometry().right() + 1);
      bottom = std::max(bottom, w->geometry().bottom() + 1);
    }
    QCOMPARE(right, px(9135));
    QCOMPARE(bottom, px(5775));
  }

  void description_text_is_exact() {
    FormFixture f;
    const QByteArray expected =
        "\xe8\xba\xab\xe4\xbd\x93,\xe6\x84\x9f\xe6\x83\x85,\xe7\x9f\xa5\xe6\x80\xa7"
        "\xe3\x81\xae\xe7\x8a\xb6\xe6\x85\x8b\xe3\x82\x92\xe7\x9f\xa5\xe3\x82\x8b\xe3\x82\x82"
        "\xe3\x81\xae\xe3\x81\xa7\xe7\x94\x9f\xe3\x81\xbe\xe3\x82\x8c\xe3\x81\xa6\xe3\x81\x8b"
        "\xe3\x82\x89\xe3\x81\xae\xe8\xba\xab\xe4\xbd\x93(23\xe6\x97\xa5),\r\n"
        "\xe6\x84\x9f\xe6\x83\x85(28\xe6\x97\xa5),\xe7\x9f\xa5\xe6\x80\xa7(33\xe6\x97\xa5)"
        "\xe3\x81\xa8\xe3\x81\x84\xe3\x81\x86\xe5\x91\xa8\xe6\x9c\x9f\xe3\x82\x92\xe3\x82\x82"
        "\xe3\x81\xa3\xe3\x81\xa6\xe3\x81\x84\xe3\x82\x8b\xe3\x81\xa8\xe8\xa8\x80\xe3\x82\x8f"
        "\xe3\x82\x8c\xe3\x80\x81\xe3\x81\x9d\xe3\x82\x8c\xe3\x82\x92\r\n"
        " \xef\xbc\xb3\xef\xbd\x89\xef\xbd\x8e\xe3\x82\xab\xe3\x83\xbc\xe3\x83\x96\xe3\x81\xa7"
        "\xe8\xa1\xa8\xe7\x8f\xbe\xe3\x81\x97\xe3\x81\xbe\xe3\x81\x97\xe3\x81\x9f\xe3\x80\x82\r\n"
        "\xe3\x80\x80\xef\xbc\x88\xe7\xb5\x90\xe6\x9e\x9c\xe3\x81\x8c\xe6\xad\xa3\xe3\x81\xaa"
        "\xe3\x82\x89\xe9\xa0\x86\xe8\xaa\xbf\xe6\x9c\x9f\xe3\x80\x81\xe8\xb2\xa0\xe3\x81\xaa"
        "\xe3\x82\x89\xe5\x9b\x9e\xe5\xbe\xa9\xe6\x9c\x9f\xe3\x80\x81\xef\xbc\x90\xe3\x81\xaa"
        "\xe3\x82\x89\xe6\xb3\xa8\xe6\x84\x8f\xe6\x97\xa5\xef\xbc\x89\r\n";
    QCOMPARE(f.form->Label概要->text().toUtf8(), expected);
  }

  void options_exclude_each_other() {
    FormFixture f;
    f.form->show();
    QTest::mouseClick(f.form->Option1, Qt::LeftButton);
    QVERIFY(f.form->Option1->isChecked());
    QVERIFY(!f.form->Option2->isChecked());
    // The captions beside the buttons are plain labels.
    QTest::mouseClick(f.form->Label9, Qt::LeftButton);
    QVERIFY(f.form->Option1->isChecked());
    QVERIFY(!f.form->Option3->isChecked());
  }

  void text_boxes_limit_characters() {
    FormFixture f;
    f.form->show();
    QTest::keyClicks(f.form->Text年, "123");
    QCOMPARE(f.form->Text年->text(), QString("12"));
    // The day box has no limit until its key handler sets one on the first key.
    QCOMPARE(f.form->Text日->maxLength(), 32767);
    QTest::keyClicks(f.form->Text日, "123");
    QCOMPARE(f.form->Text日->text(), QString("12"));
  }

  void tab_cycle_from_year_box_data() {
    QTest::addColumn<bool>("pickersEnabled");
    QTest::addColumn<QStringList>("cycle");
    QTest::newRow("layout state") << true << QStringList{"sinPicture1", "Text月",      "Text日",
                                                         "DTPicker1",   "DTPicker2",   "Check1",
                                                         "操作方法",    "Command終了", "Text年"};
    QTest::newRow("pickers disabled")
        << false << QStringList{"sinPicture1", "Text月",      "Text日", "Check1",
                                "操作方法",    "Command終了", "Text年"};
  }

  void tab_cycle_from_year_box() {
    QFETCH(bool, pickersEnabled);
    QFETCH(QStringList, cycle);
    FormFixture f;
    bioForm1& w = *f.form;
    w.DTPicker1->setEnabled(pickersEnabled);
    w.DTPicker2->setEnabled(pickersEnabled);
    QVERIFY(f.show_active());
    w.Text年->setFocus();
    for (const QString& expected : cycle) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focus = QApplication::focusWidget();
      // A picker's focus lands on its inner editor.
      while (focus && focus->objectName().isEmpty()) focus = focus->parentWidget();
      QVERIFY(focus);
      QCOMPARE(focus->objectName(), expected);
    }
  }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
