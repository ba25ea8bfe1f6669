#include "name_window.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "people_store.h"
#include "services.h"

NameWindow::NameWindow(QWidget* owner, const QString& title, const QString& name,
                       norvane::Services& services, Save save)
    : ReadingWindow(owner, title), services_(services), save_(std::move(save)) {
  setObjectName(title);

  Text名前 = new QLineEdit(name, this);
  Text名前->setObjectName("Text名前");
  Text名前->setAccessibleName("名前");
  Text名前->setAccessibleDescription(
      QString("%1 文字まで。ほかの人と同じ名前は使えません").arg(norvane::kMaxNameLength));
  // Room for a long name, and a paste of anything longer is told, not cut.
  Text名前->setMinimumWidth(Text名前->fontMetrics().horizontalAdvance(QString(20, QChar(0x540d))));

  Com_OK = new QPushButton("OK", this);
  Com_OK->setObjectName("Com_OK");
  Com_OK->setAccessibleName("OK");
  Com_OK->setAccessibleDescription("この名前で保存します。Enter キーでも保存します");
  Com_OK->setDefault(true);
  add_button(Com_OK);
  connect(Com_OK, &QPushButton::clicked, this, &NameWindow::OK_Click);

  auto* form = new QFormLayout;
  form->addRow("名前", Text名前);
  body()->addLayout(form);
  Text名前->selectAll();
  Text名前->setFocus();
}

void NameWindow::OK_Click() {
  const QString refused = save_(Text名前->text());
  if (refused.isEmpty()) {
    accept();
    return;
  }
  services_.message_box(refused, windowTitle());
  Text名前->setFocus();
}
