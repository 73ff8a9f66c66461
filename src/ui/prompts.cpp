#include "ui/prompts.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QPointer>

Prompts Prompts::messageBoxes(QWidget* parent) {
  // A guarded pointer: a prompt may outlive the window it was made for.
  QPointer<QWidget> owner(parent);
  const QString title = QStringLiteral("Zendral");
  Prompts p;
  p.confirm = [owner, title](const QString& text) {
    return QMessageBox::question(owner.data(), title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
  };
  p.warnYesNo = [owner, title](const QString& text) {
    return QMessageBox::warning(owner.data(), title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
  };
  p.warnYesNoWithBox = [owner, title](const QString& text, const QString& boxText, bool* ticked) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, owner.data());
    box.setDefaultButton(QMessageBox::No);
    auto* check = new QCheckBox(boxText);
    check->setObjectName(QStringLiteral("NichtMehrFragen"));
    box.setCheckBox(check);
    const bool yes = box.exec() == QMessageBox::Yes;
    if (ticked) *ticked = check->isChecked();
    return yes;
  };
  p.inform = [owner, title](const QString& text) { QMessageBox::information(owner.data(), title, text); };
  p.error = [owner, title](const QString& text) { QMessageBox::critical(owner.data(), title, text); };
  p.choose = [owner, title](const QString& text, const QStringList& buttons) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, owner.data());
    QList<QAbstractButton*> shown;
    for (int i = 0; i < buttons.size(); ++i) {
      const bool last = i == buttons.size() - 1;
      shown << box.addButton(buttons.at(i), last ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    }
    if (!shown.isEmpty()) box.setDefaultButton(qobject_cast<QPushButton*>(shown.first()));
    box.exec();
    const int chosen = int(shown.indexOf(box.clickedButton()));
    return chosen < 0 ? int(buttons.size()) - 1 : chosen;
  };
  return p;
}
