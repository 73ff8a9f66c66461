#include "ui/tform3.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "game/configfile.h"
#include "ui/dialogframe.h"

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm3"));
  setWindowTitle(QStringLiteral("Spielwahl"));
  // Fixed dialog border with the system menu only, above the main window.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
  auto* layout = new QGridLayout(this);
  for (int slot = 1; slot <= ConfigFile::kSlots; ++slot) {
    auto* box = new QGroupBox(QStringLiteral("Spiel %1").arg(slot));
    box->setObjectName(QStringLiteral("GroupBox%1").arg(slot));
    auto* name = new QLineEdit;
    name->setObjectName(QStringLiteral("Edit%1").arg(slot));
    auto* type = new QComboBox;
    type->setObjectName(QStringLiteral("ComboBox%1").arg(slot));
    type->addItems({QStringLiteral("Molvanth"), QStringLiteral("Quarnel")});
    type->setCurrentIndex(-1);
    auto* button = new QPushButton(QStringLiteral("Start"));
    button->setObjectName(QStringLiteral("Button%1").arg(slot));
    auto* row = new QHBoxLayout(box);
    row->addWidget(name, 1);
    row->addWidget(type);
    row->addWidget(button);
    layout->addWidget(box, (slot - 1) / 2, (slot - 1) % 2);
    groupBoxes << box;
    nameEdits << name;
    typeBoxes << type;
    startButtons << button;
    connect(button, &QPushButton::clicked, this, [this, slot] { start(slot); });
  }
  dialogframe::makeFixedDialog(this);
  dialogframe::fixSizeToLayout(this);
}

void TForm3::fill(const ConfigFile& config) {
  const QStringList& lines = config.lines();
  for (int slot = 1; slot <= ConfigFile::kSlots; ++slot) {
    const int o = ConfigFile::offset(slot);
    QLineEdit* name = nameEdits.at(slot - 1);
    QComboBox* type = typeBoxes.at(slot - 1);
    name->setText(lines.value(o + ConfigFile::SlotName));
    // Only the exact texts count; a trailing blank is no type.
    const QString typeText = lines.value(o + ConfigFile::GameTypeText);
    type->setCurrentIndex(type->findText(typeText, Qt::MatchExactly | Qt::MatchCaseSensitive));
    type->setEnabled(type->currentText().isEmpty());
  }
}

void TForm3::start(int slot) {
  if (slot < 1 || slot > ConfigFile::kSlots) return;
  // A slot without a game type would open broken and refuse every report.
  if (typeBoxes.at(slot - 1)->currentText().isEmpty()) {
    QMessageBox::information(this, windowTitle(), noTypeMessage());
    typeBoxes.at(slot - 1)->setFocus();
    return;
  }
  started_ = true;
  hide();
  emit startRequested(slot, nameEdits.at(slot - 1)->text(), typeBoxes.at(slot - 1)->currentText());
}

QString TForm3::noTypeMessage() { return QStringLiteral("Bitte zuerst den Spieltyp wählen: Molvanth oder Quarnel."); }

void TForm3::closeEvent(QCloseEvent* event) {
  event->accept();
  if (!started_) emit abandoned();
}

void TForm3::reject() {
  // Escape closes the selection like the close button.
  close();
}
