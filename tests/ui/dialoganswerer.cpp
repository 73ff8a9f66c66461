#include "dialoganswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace uitest {

DialogAnswerer::DialogAnswerer() {
  poll_.setInterval(20);
  connect(&poll_, &QTimer::timeout, this, &DialogAnswerer::answer);
  poll_.start();
}

void DialogAnswerer::answer() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible()) return;
  for (QAbstractButton* b : modal->findChildren<QAbstractButton*>())
    if (qobject_cast<QPushButton*>(b)) buttonTexts << b->text();
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    messages << box->text();
    if (QCheckBox* check = box->checkBox()) {
      checkBoxes << check->text();
      if (tickCheckBox) check->setChecked(true);
    }
    for (QAbstractButton* b : box->buttons()) {
      if (b->text() == messageButton || box->buttons().size() == 1) {
        b->click();
        return;
      }
    }
    box->buttons().first()->click();
    return;
  }
  if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
    fileFilters = dialog->nameFilters();
    selectedFilter = dialog->selectedNameFilter();
    fileDialogFolder = dialog->directory().absolutePath();
    // Typed into the name field and opened with the dialog's own button.
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name) name->setText(fileToOpen);
    auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    QPushButton* open = buttons ? buttons->button(QDialogButtonBox::Open) : nullptr;
    if (open && name && open->isEnabled())
      open->click();
    else
      dialog->reject();
  }
}

}  // namespace uitest
