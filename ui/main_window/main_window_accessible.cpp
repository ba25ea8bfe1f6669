// What a screen reader says for each control it reaches. The captions are
// often half-width kana or missing (the option buttons and the check box
// stand beside separate labels), so every control is named here in words
// that read well aloud. The chart and its days are told as it is drawn
// (chart_accessible.h, chart_readout.h); the date strip under it repeats
// the chart's days and stays silent.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "chart_accessible.h"
#include "date_picker.h"
#include "drawing_box.h"
#include "main_window.h"

namespace {

void describe(QWidget* w, const QString& name, const QString& description = {}) {
  w->setAccessibleName(name);
  if (!description.isEmpty()) w->setAccessibleDescription(description);
}

}  // namespace

void bioForm1::set_accessible_texts() {
  describe(Option1, "平成", "生年月日を平成の年で入力します。Alt+1 キーでも選べます");
  describe(Option2, "昭和", "生年月日を昭和の年で入力します。Alt+2 キーでも選べます");
  describe(Option3, "西暦", "生年月日を西暦の日付で選びます。Alt+3 キーでも選べます");
  describe(Text年, "生まれた年", "年号の年を数字2桁までで入力します");
  describe(Text月, "生まれた月", "月を数字2桁までで入力します");
  describe(Text日, "生まれた日", "日を数字2桁までで入力します");
  describe(DTPicker1, "生年月日", "西暦を選んだときに生年月日を選びます");
  describe(sinPicture1, "バイオリズムのグラフ");
  for (QLabel* label : L_date) hide_from_screen_readers(label, "グラフの日付");
  describe(HScroll1, "表示開始日の移動",
           "グラフの最初の日を今日から1日ずつ先へ、または後へ動かします。グラフで Page Down "
           "キーを押すと先へ、Page Up キーで後へ動きます");
  describe(Check1, "表示開始日付を指定", "オンにするとバイオリズム表示開始日付を変えられます");
  describe(DTPicker2, "バイオリズム表示開始日付", "グラフの最初の日です");
  describe(操作方法, "操作方法", "操作方法の説明を開きます");
  describe(Commandサービス, "サービスの設定", "押しても何も起こりません");
  describe(Command実行, "実行",
           "入力した生年月日でバイオリズムを計算し、グラフを描きます。Ctrl+Enter "
           "キーでも実行できます");
  describe(Command終了, "終了", "Norvane を終了します");
}
