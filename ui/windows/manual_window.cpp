// The manual window and the reading of its text.
#include "manual_window.h"

#include <QDir>
#include <QKeyEvent>
#include <QPushButton>

#include "app_icon.h"
#include "caption_label.h"
#include "drawing_box.h"
#include "main_window.h"
#include "services.h"
#include "twips.h"

using namespace norvane;

Manual::Manual(bioForm1& form) : QDialog(nullptr), form_(form) {
  setObjectName("Manual");
  // A plain sizable window, with the buttons a dialog would lack.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setWindowTitle("マニュアル");
  setWindowIcon(app_icon());
  resize(px(5025), px(7020));

  Label1 = new CaptionLabel(this);
  Label1->setObjectName("Label1");
  Label1->setGeometry(twips_rect(0, 0, 4815, 6960));
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setWordWrap(true);
  Label1->setAutoFillBackground(true);

  // Made after the label, so it is drawn above it.
  Com_戻る = new QPushButton("戻る", this);
  Com_戻る->setObjectName("Com_戻る");
  Com_戻る->setGeometry(twips_rect(3480, 6360, 1095, 375));
  connect(Com_戻る, &QPushButton::clicked, this, &Manual::Com_戻る_Click);
}

Manual::~Manual() = default;

bool Manual::Form_Load() {
  // Hiding the chart box forgets its drawing: the chart stays blank until
  // it is next drawn.
  form_.sinPicture1->setVisible(false);
  Services& services = form_.services();
  const QString path = QDir(services.current_dir()).filePath("BioManual.txt");
  const std::optional<QStringList> lines = services.read_text_lines(path, kMaxFileBytes);
  QString text;
  if (lines) {
    for (const QString& line : *lines) {
      if (line == QLatin1String("?")) break;
      text += line;
      text += QChar('\r');
    }
  }
  Label1->setCaption(text);
  form_.sinPicture1->setVisible(true);

  if (!lines) {
    services.message_box(
        QString("操作方法のファイルを読めません。") + QChar('\r') + QDir::toNativeSeparators(path),
        "マニュアル");
    return false;
  }
  return true;
}

void Manual::Com_戻る_Click() {
  close();
}

void Manual::keyPressEvent(QKeyEvent* event) {
  // Only 戻る and the close button end the window, not Escape.
  if (event->key() == Qt::Key_Escape) {
    event->ignore();
    return;
  }
  QDialog::keyPressEvent(event);
}
