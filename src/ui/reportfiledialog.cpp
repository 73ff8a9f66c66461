#include "ui/reportfiledialog.h"

#include <QFileDialog>

namespace reportfiledialog {

QStringList filters() {
  return {QStringLiteral("CR-Dateien (*.cr *.CR)"), QStringLiteral("Textdateien (*.txt)"), QStringLiteral("Alle (*)")};
}

QFileDialog* create(QWidget* parent, const QString& folder) {
  auto* dialog = new QFileDialog(parent, QStringLiteral("CR einlesen"), folder);
  dialog->setObjectName(QStringLiteral("OpenDialog1"));
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setNameFilters(filters());
  dialog->selectNameFilter(filters().first());
  return dialog;
}

QString choose(QWidget* parent, const QString& folder) {
  QFileDialog* dialog = create(parent, folder);
  QString chosen;
  if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) chosen = dialog->selectedFiles().first();
  delete dialog;
  return chosen;
}

}  // namespace reportfiledialog
