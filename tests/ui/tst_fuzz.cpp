// Random use of the whole window through its real widgets, repeatable from
// a seed. NORVANE_FUZZ_EVENTS sets the length (20000 by default) and
// NORVANE_FUZZ_SEED the seed.
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <random>

#include "caption_label.h"
#include "date_picker.h"
#include "date_text.h"
#include "form_fixture.h"
#include "manual_window.h"

using namespace norvane;

namespace {

enum class Kind { Key, Paste, Click, Scroll, Jump, PickerKey, Tick };

struct Event {
  Kind kind;
  int target;  // box, control or picker
  int key;     // Qt::Key or scroll action
  QString text;
};

const char* const kBoxes[] = {"Text年", "Text月", "Text日"};
const char* const kClickable[] = {"Option1",         "Option2",     "Option3",    "Label7",
                                  "Label8",          "Label9",      "Check1",     "操作方法",
                                  "Commandサービス", "Command実行", "Command終了"};
const char* const kPickers[] = {"DTPicker1", "DTPicker2"};

const Qt::Key kBoxKeys[] = {
    Qt::Key_0,         Qt::Key_1,      Qt::Key_2,      Qt::Key_3,     Qt::Key_4,      Qt::Key_5,
    Qt::Key_6,         Qt::Key_7,      Qt::Key_8,      Qt::Key_9,     Qt::Key_A,      Qt::Key_Z,
    Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Delete, Qt::Key_Left,
    Qt::Key_Right,     Qt::Key_Home,   Qt::Key_End};
const Qt::Key kPickerKeys[] = {Qt::Key_Up,   Qt::Key_Down,  Qt::Key_PageUp, Qt::Key_PageDown,
                               Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,   Qt::Key_End,
                               Qt::Key_0,    Qt::Key_1,     Qt::Key_2,      Qt::Key_9};

QString describe(const Event& e) {
  switch (e.kind) {
    case Kind::Key:
      return QString("key %1 in %2").arg(QKeySequence(e.key).toString(), kBoxes[e.target]);
    case Kind::Paste:
      return QString("paste '%1' in %2").arg(e.text, kBoxes[e.target]);
    case Kind::Click:
      return QString("click %1").arg(kClickable[e.target]);
    case Kind::Scroll:
      return QString("scroll step %1")
          .arg(e.key == QAbstractSlider::SliderSingleStepAdd ? "+" : "-");
    case Kind::Jump:
      return QString("scroll to %1").arg(e.key);
    case Kind::PickerKey:
      return QString("key %1 in %2").arg(QKeySequence(e.key).toString(), kPickers[e.target]);
    case Kind::Tick:
      break;
  }
  return "tick";
}

Event random_event(std::mt19937& rng) {
  auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  const int roll = pick(100);
  if (roll < 55) return {Kind::Key, pick(3), kBoxKeys[pick(std::size(kBoxKeys))], {}};
  if (roll < 58) {
    static const char* const clips[] = {"1", "12", "123", "63", "a5", "９"};
    return {Kind::Paste, pick(3), 0, clips[pick(std::size(clips))]};
  }
  if (roll < 73) return {Kind::Click, pick(std::size(kClickable)), 0, {}};
  if (roll < 80) {
    return {Kind::Scroll,
            0,
            pick(2) ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub,
            {}};
  }
  if (roll < 83) return {Kind::Jump, 0, pick(3) ? pick(40) : pick(32768), {}};
  if (roll < 95) return {Kind::PickerKey, pick(2), kPickerKeys[pick(std::size(kPickerKeys))], {}};
  return {Kind::Tick, 0, 0, {}};
}

// Whatever a message box shows must be one of the program's own.
bool own_message(const FakeServices::Message& m) {
  static const QRegularExpression range(
      "^(この月の最終日は\r (28|29|30|31)日です。|この年月の開始日は\r８日です。|"
      "この年月の最終日は\r７日です。|この年の最終月は\r１月です。|"
      "生年月日の入力を\r確認してください。)$");
  static const QRegularExpression manual("^操作方法のファイルを読めません。\r/.*BioManual\\.txt$");
  return (m.caption == "範囲外" && range.match(m.text).hasMatch()) ||
         (m.caption == "マニュアル" && manual.match(m.text).hasMatch());
}

class Run {
 public:
  Run() {
    services_.set_current_dir(qEnvironmentVariable("NORVANE_SOURCE_DIR") + "/assets");
    w_.Form_Load();
    // Ticks come from the events; the timer only tells that the
    // demonstration still runs.
    w_.Timer1->setInterval(24 * 3600 * 1000);
    w_.show();
    w_.activateWindow();
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&w_);
  }

  void apply(const Event& e) {
    switch (e.kind) {
      case Kind::Key:
        QTest::keyClick(box(e.target), Qt::Key(e.key));
        break;
      case Kind::Paste:
        QGuiApplication::clipboard()->setText(e.text);
        QTest::keyClick(box(e.target), Qt::Key_V, Qt::ControlModifier);
        break;
      case Kind::Click: {
        auto* target = w_.findChild<QWidget*>(kClickable[e.target]);
        // The manual, if it opens, is closed with 戻る at once.
        QTimer::singleShot(0, [] {
          if (auto* m = qobject_cast<Manual*>(QApplication::activeModalWidget())) {
            m->Com_戻る->click();
          }
        });
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
        break;
      }
      case Kind::Scroll:
        w_.HScroll1->triggerAction(QAbstractSlider::SliderAction(e.key));
        break;
      case Kind::Jump:
        w_.HScroll1->setSliderPosition(e.key);
        break;
      case Kind::PickerKey: {
        DatePicker* picker = e.target == 0 ? w_.DTPicker1 : w_.DTPicker2;
        if (picker->isEnabled()) QTest::keyClick(picker, Qt::Key(e.key));
        break;
      }
      case Kind::Tick:
        if (w_.Timer1->isActive()) w_.Timer1_Timer();
        break;
    }
  }

  std::size_t messages() const { return services_.messages.size(); }

  // Empty when every invariant holds, else what broke.
  QString broken() {
    bool alive = false;
    QTimer::singleShot(0, [&alive] { alive = true; });
    QCoreApplication::processEvents();
    if (!alive || !w_.isVisible()) return "the window stopped answering";
    for (const DatePicker* p : {w_.DTPicker1, w_.DTPicker2}) {
      if (p->Value() < DatePicker::minimum() || p->Value() > DatePicker::maximum() ||
          parse_date_text(p->ValueText()) != p->Value()) {
        return p->objectName() + " holds " + QString::fromStdString(p->ValueText());
      }
    }
    for (const QString* field : {&w_.in_yy, &w_.in_mm, &w_.in_dd}) {
      if (field->size() > 2) return "a field string of " + *field;
    }
    for (; checked_ < services_.messages.size(); ++checked_) {
      const auto& m = services_.messages[checked_];
      if (!own_message(m)) return "a message box " + m.caption + ": " + m.text;
    }
    return {};
  }

 private:
  QLineEdit* box(int i) { return i == 0 ? w_.Text年 : i == 1 ? w_.Text月 : w_.Text日; }

  FakeServices services_{ymd(2026, 12, 6)};
  bioForm1 w_{services_};
  std::size_t checked_ = 0;
};

}  // namespace

class TestFuzz : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { prepare_test_application(); }

  void random_use() {
    const qint64 count = qEnvironmentVariableIsSet("NORVANE_FUZZ_EVENTS")
                             ? qEnvironmentVariable("NORVANE_FUZZ_EVENTS").toLongLong()
                             : 20000;
    const unsigned seed = qEnvironmentVariableIsSet("NORVANE_FUZZ_SEED")
                              ? qEnvironmentVariable("NORVANE_FUZZ_SEED").toUInt()
                              : 20261207u;
    std::mt19937 rng(seed);
    std::vector<Event> events;
    Run run;
    QElapsedTimer clock;
    clock.start();
    for (qint64 i = 0; i < count; ++i) {
      events.push_back(random_event(rng));
      run.apply(events.back());
      const QString why = run.broken();
      if (!why.isEmpty()) {
        // Invariants are checked after every event, so the events up to this
        // one are the shortest prefix that fails.
        QStringList prefix;
        for (const Event& e : events) prefix << describe(e);
        qWarning("seed %u, event %lld of the failing prefix:\n  %s", seed, i + 1,
                 qPrintable(prefix.join("\n  ")));
        QFAIL(qPrintable(why));
      }
    }
    qInfo("seed %u: %lld events, %.0f events/s, %zu message boxes, every invariant held", seed,
          count, count * 1000.0 / std::max<qint64>(1, clock.elapsed()), run.messages());
  }
};

int main(int argc, char* argv[]) {
  // A long run outlasts Qt Test's five minutes for one test function.
  if (qEnvironmentVariableIsSet("NORVANE_FUZZ_EVENTS") &&
      !qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) {
    qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
  }
  QApplication app(argc, argv);
  TestFuzz test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_fuzz.moc"
