// Random use of the whole window and of every window it opens, through
// their real widgets, repeatable from a seed. NORVANE_FUZZ_EVENTS sets the
// length (20000 by default) and NORVANE_FUZZ_SEED the seed.
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <random>

#include "autostart.h"
#include "caption_label.h"
#include "date_picker.h"
#include "date_text.h"
#include "form_fixture.h"
#include "manual_window.h"
#include "person.h"
#include "qt_date.h"

using namespace norvane;

namespace {

enum class Kind {
  Key,
  Paste,
  Click,
  Scroll,
  Jump,
  PickerKey,
  Tick,
  Compatibility,
  Caution,
  Register,
  People,
  Print
};

struct Event {
  Kind kind;
  int target;  // box, control or picker
  int key;     // Qt::Key or scroll action
  QString text;
  QStringList steps = {};  // a window's: the keys and clicks that open and use it
};

const char* const kBoxes[] = {"Text年", "Text月", "Text日"};
const char* const kClickable[] = {"Option1",         "Option2",     "Option3",    "Label7",
                                  "Label8",          "Label9",      "Check1",     "操作方法",
                                  "Commandサービス", "Command実行", "Command終了"};
const char* const kPickers[] = {"DTPicker1", "DTPicker2"};
// Each window's opening key, then what may be done in it, in whichever
// window is open at the time: "name" sets a random name, "answer" how the
// next question, save or print dialog is answered.
const std::vector<const char*> kWindowSteps[] = {
    {"key Alt+A", "key Down", "key PgUp", "key 7", "key Tab", "key Backtab", "key Ctrl+C"},
    {"key Alt+C", "key Down", "key PgDown", "key Ctrl+C", "answer", "key Ctrl+E",
     "click Comカレンダー", "key Ctrl+P", "click Com印刷"},
    {"key Ctrl+S", "name", "key Return", "click Com_OK"},
    {"key Alt+L", "key Down", "key Up", "key Return", "click Com表示", "key F2",
     "click Com名前の変更", "name", "click Com_OK", "answer", "key Delete", "click Com削除",
     "click Check通知"}};

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
    case Kind::Compatibility:
    case Kind::Caution:
    case Kind::Register:
    case Kind::People:
    case Kind::Print:
      // As JSON, so that a name's control characters keep it to one line.
      return QJsonDocument(QJsonArray::fromStringList(e.steps)).toJson(QJsonDocument::Compact);
  }
  return "tick";
}

// Empty, with control characters, 40 or 41 characters (of one or two
// UTF-16 units, after a space or not), or one of a few, so that names repeat.
QString random_name(std::mt19937& rng) {
  auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  static const char* const odd[] = {"", "  ", " 太郎 ", "a\tb", "改\n行", "\u2028", "\x7f"};
  constexpr int kOdd = std::size(odd);
  const int i = pick(kOdd + 12);
  if (i < kOdd) return odd[i];
  if (i >= kOdd + 4) return QString("人%1").arg(pick(12));
  const QString space = pick(2) ? " " : "";
  return space + QString(i % 2 ? "𠀋" : "あ").repeated(40 + (i - kOdd) / 2);
}

Event window_event(Kind kind, std::mt19937& rng) {
  auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  if (kind == Kind::Print) {
    return {kind, 0, 0, {}, {pick(2) ? "answer yes" : "answer no", "key Ctrl+P"}};
  }
  const auto& pool = kWindowSteps[int(kind) - int(Kind::Compatibility)];
  QStringList steps{pool[0]};
  for (int n = 1 + pick(5); n > 0; --n) {
    QString step = pool[1 + pick(int(pool.size()) - 1)];
    if (step == "name") step += ' ' + random_name(rng);
    if (step == "answer") step += pick(2) ? " yes" : " no";
    steps << step;
  }
  steps << (pick(2) ? "key Esc" : "click Com_戻る");
  return {kind, 0, 0, {}, steps};
}

Event random_event(std::mt19937& rng) {
  auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  // In thousandths: a window's opening costs as much as dozens of keys.
  const int roll = pick(1000);
  if (roll < 530) return {Kind::Key, pick(3), kBoxKeys[pick(std::size(kBoxKeys))], {}};
  if (roll < 560) {
    static const char* const clips[] = {"1", "12", "123", "63", "a5", "９"};
    return {Kind::Paste, pick(3), 0, clips[pick(std::size(clips))]};
  }
  if (roll < 710) return {Kind::Click, pick(std::size(kClickable)), 0, {}};
  if (roll < 780) {
    return {Kind::Scroll,
            0,
            pick(2) ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub,
            {}};
  }
  if (roll < 810) return {Kind::Jump, 0, pick(3) ? pick(40) : pick(32768), {}};
  if (roll < 925) return {Kind::PickerKey, pick(2), kPickerKeys[pick(std::size(kPickerKeys))], {}};
  if (roll < 974) return {Kind::Tick, 0, 0, {}};
  if (roll < 976) return window_event(Kind::Print, rng);
  return window_event(Kind(int(Kind::Compatibility) + (roll - 976) / 6), rng);
}

// Whatever a message box shows must be one of the program's own.
bool own_message(const FakeServices::Message& m) {
  static const QRegularExpression range(
      "^(この月の最終日は\r (28|29|30|31)日です。|この年月の開始日は\r８日です。|"
      "この年月の最終日は\r７日です。|この年の最終月は\r１月です。|"
      "生年月日の入力を\r確認してください。)$");
  static const QRegularExpression manual("^操作方法のファイルを読めません。\r/.*BioManual\\.txt$");
  // The caption, a line feed, then the text.
  static const QRegularExpression others(
      "^((登録|名前の変更)\n(名前を入力してください。|名前は 40 文字までです。|"
      "名前に制御文字（改行やタブなど）は使えません。|「.+」はすでに登録されています。)|"
      "登録\n(登録できるのは 1000 "
      "人までです。|この生年月日は登録できません（(平成|昭和)の範囲外です）。)|"
      "(名前の変更|削除)\nこの人は一覧にありません。ほかの Norvane で削除されたようです。|"
      "削除\n「.+」を登録者一覧から削除しますか？|"
      "(登録|名前の変更|削除|登録者一覧|相性)\n登録者のファイル .+ は(通常のファイルではありません|"
      "(壊れています|読めません)（.+）)。\rこのファイルには書き込みません。"
      "別の場所へ移すと、新しく登録できます。|"
      "(登録|名前の変更|削除)\n登録者のファイル .+ (はほかの Norvane が使っています。\r"
      "しばらくしてからやり直してください。|"
      "に書き込めませんでした（.+）。\rファイルは元のままです。)|"
      "カレンダーに書き出す\nカレンダーのファイル .+ に書き込めませんでした（.+）。\r"
      "ファイルは元のままです。|"
      "印刷\n(PDF のファイル .+ に書き込めませんでした（.+）。\rファイルは元のままです。|"
      "プリンター .* で印刷できませんでした。))$");
  return (m.caption == "範囲外" && range.match(m.text).hasMatch()) ||
         (m.caption == "マニュアル" && manual.match(m.text).hasMatch()) ||
         others.match(m.caption + '\n' + m.text).hasMatch();
}

// Why people.json does not read as the store's; its rules are checked
// here, not through the store, so that a fault of the store is caught.
QString people_broken(const QByteArray& json) {
  const QJsonDocument doc = QJsonDocument::fromJson(json);
  const QJsonArray people = doc.object().value("people").toArray();
  if (!doc.isObject() || doc.object().value("format") != QJsonValue(1) ||
      !doc.object().value("people").isArray() || people.size() > 1000) {
    return "people.json reads " + QString::fromUtf8(json.left(200));
  }
  static const QRegularExpression iso("^\\d{4}-\\d{2}-\\d{2}$");
  QSet<QString> names;
  for (const auto& value : people) {
    const QJsonObject v = value.toObject();
    const QString name = v["name"].toString(), birth = v["birth"].toString(),
                  entry = v["entry"].toString();
    const auto chars = name.toUcs4();
    const bool control = std::any_of(chars.begin(), chars.end(), [](auto c) {
      return c < 0x20 || (c >= 0x7f && c < 0xa0) || c == 0x2028 || c == 0x2029;
    });
    // Entered so that it can be entered again: the list shows nothing else.
    const QDate date = QDate::fromString(birth, Qt::ISODate);
    const std::optional<EntryKind> kind = entry_of_letter(entry.toStdString());
    const bool fits = date.isValid() && kind && entry_fits(from_qdate(date), *kind);
    if (v["id"].toString().isEmpty() || chars.isEmpty() || chars.size() > 40 || control ||
        name != name.trimmed() || names.contains(name) || !iso.match(birth).hasMatch() ||
        !date.isValid() || !fits) {
      return "people.json holds " + QJsonDocument(v).toJson(QJsonDocument::Compact);
    }
    names.insert(name);
  }
  return {};
}

class Run {
 public:
  Run() {
    services_.set_current_dir(qEnvironmentVariable("NORVANE_SOURCE_DIR") + "/assets");
    services_.set_people_dir(tmp_.path());
    services_.set_documents_dir(tmp_.path());
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
      case Kind::Compatibility:
      case Kind::Caution:
      case Kind::Register:
      case Kind::People:
      case Kind::Print:
        open(e.steps);
        break;
    }
  }

  std::size_t messages() const { return services_.messages.size(); }

  // Empty when every invariant holds, else what broke; `modal` is the window
  // expected on top, the main window's when null.
  QString broken(QWidget* modal = nullptr) {
    if (!why_.isEmpty()) return why_;
    bool alive = false;
    QTimer::singleShot(0, [&alive] { alive = true; });
    QCoreApplication::processEvents();
    if (!alive || !w_.isVisible()) return "the window stopped answering";
    // The login reminder's box says whether its autostart entry exists.
    if (modal) {
      if (const auto* box = modal->findChild<QCheckBox*>("Check通知");
          box && box->isChecked() != reminder_autostart_exists()) {
        return QString("Check通知 is %1 with the entry %2")
            .arg(box->isChecked() ? "on" : "off", reminder_autostart_exists() ? "there" : "gone");
      }
    }
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
    // Windows closed may linger hidden until deleted; only those shown count.
    QWidget* top = modal ? modal : &w_;
    for (QWidget* t : QApplication::topLevelWidgets()) {
      bool under = false;
      for (const QWidget* p = top; p && !under; p = p->parentWidget()) under = p == t;
      if (t->isVisible() && t->isModal() && !under) {
        return "the modal window " + t->objectName() + " besides " + top->objectName();
      }
    }
    // Offscreen has no window manager to activate the window left on top
    // when one closes; its part is done here.
    if (!QApplication::activeWindow()) top->activateWindow();
    const auto in_top = [top] {
      QWidget* f = QApplication::focusWidget();
      return f && (f == top || top->isAncestorOf(f));
    };
    if (!in_top() && !QTest::qWaitFor(in_top, 1000)) {
      QWidget* f = QApplication::focusWidget();
      return "the focus on " + (f ? f->objectName() : "nothing") + ", not in " + top->objectName();
    }
    QFile file(tmp_.filePath("people.json"));
    if (file.open(QIODevice::ReadOnly)) {
      const QByteArray json = file.readAll();
      if (json != json_) {
        if (QString why = people_broken(json); !why.isEmpty()) return why;
        json_ = json;
      }
    }
    return {};
  }

  QString opened() const {
    QStringList counts;
    for (auto [title, n] : opened_.asKeyValueRange()) counts << QString("%1 %2").arg(n).arg(title);
    counts << QString("%1 印刷").arg(services_.print_dialogs);
    return counts.join(", ");
  }

 private:
  QLineEdit* box(int i) { return i == 0 ? w_.Text年 : i == 1 ? w_.Text月 : w_.Text日; }

  // A window runs modally, so the steps in it are taken from the event loop
  // its exec() runs; a window that never opened leaves no call behind.
  void open(QStringList steps) {
    while (steps.first().startsWith("answer")) act(&w_, steps.takeFirst());
    const QObject scope;
    QTimer::singleShot(0, &scope, [this, &steps] {
      if (QWidget* m = QApplication::activeModalWidget()) drive(m, steps);
    });
    QWidget* focus = QApplication::focusWidget();
    QTest::keySequence(focus ? focus : &w_, QKeySequence(steps.takeFirst().mid(4)));
  }

  // Takes steps in `window` until it closes, a window it opens taking the
  // steps after the one that opened it; then closes it by Escape.
  void drive(QWidget* window, QStringList& steps) {
    ++opened_[window->objectName()];
    check(window, "opening");
    while (!steps.isEmpty() && window->isVisible()) {
      const QString step = steps.takeFirst();
      {
        const QObject scope;
        QTimer::singleShot(0, &scope, [this, window, &steps] {
          QWidget* m = QApplication::activeModalWidget();
          if (m && m != window) drive(m, steps);
        });
        act(window, step);
      }
      // One that closed is checked from the window it returns to.
      if (window->isVisible()) check(window, step);
    }
    if (!window->isVisible()) return;
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : window, Qt::Key_Escape);
    if (!window->isVisible()) return;
    if (why_.isEmpty()) why_ = window->objectName() + " stayed open on Escape";
    qobject_cast<QDialog*>(window)->reject();
  }

  void act(QWidget* window, const QString& step) {
    const QString verb = step.section(' ', 0, 0), arg = step.mid(verb.size() + 1);
    auto* name = window->findChild<QLineEdit*>("Text名前", Qt::FindDirectChildrenOnly);
    auto* button = window->findChild<QAbstractButton*>(arg, Qt::FindDirectChildrenOnly);
    if (verb == "key") {
      QWidget* focus = QApplication::focusWidget();
      QTest::keySequence(focus ? focus : window, QKeySequence(arg));
    } else if (verb == "answer") {
      services_.answer = arg == "yes";
      services_.save_path = services_.answer ? tmp_.filePath("注意日.ics") : QString();
      services_.print_pdf_path = services_.answer ? tmp_.filePath("chart.pdf") : QString();
    } else if (verb == "name" && name) {
      name->setText(arg);
    } else if (verb == "click" && button) {
      QTest::mouseClick(button, Qt::LeftButton);
    }
  }

  void check(QWidget* window, const QString& step) {
    if (!why_.isEmpty()) return;
    why_ = broken(window);
    if (!why_.isEmpty()) why_ += QString(" (in %1, after %2)").arg(window->objectName(), step);
  }

  QTemporaryDir tmp_;
  FakeServices services_{ymd(2026, 12, 6)};
  bioForm1 w_{services_};
  std::size_t checked_ = 0;
  QString why_;  // the first fault seen inside a window
  QByteArray json_;
  QMap<QString, int> opened_;
};

}  // namespace

class TestFuzz : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    prepare_test_application();
    // Said by offscreen windows at every opening; it would bury the failing
    // prefix and use up Qt Test's warnings.
    static const QtMessageHandler logged = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
          if (text != "This plugin does not support propagateSizeHints()") {
            logged(type, context, text);
          }
        });
  }

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
    qInfo(
        "seed %u: %lld events, %.0f events/s, %zu message boxes, windows opened: %s; every "
        "invariant held",
        seed, count, count * 1000.0 / std::max<qint64>(1, clock.elapsed()), run.messages(),
        qPrintable(run.opened()));
  }
};

int main(int argc, char* argv[]) {
  // A long run outlasts Qt Test's five minutes for one test function.
  if (qEnvironmentVariableIsSet("NORVANE_FUZZ_EVENTS") &&
      !qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) {
    qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
  }
  // The login reminder's entry goes to a folder of the run's own.
  const QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QApplication app(argc, argv);
  TestFuzz test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_fuzz.moc"
