#include "ui/tform5.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "ui/dialogframe.h"
#include "ui/formhelpers.h"

using namespace formhelpers;

TForm5::TForm5(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm5"));
  setWindowTitle(QStringLiteral("Einlesen der Auswertung läuft ..."));
  // No close, minimize or maximize button: the import ends the window.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  edit1 = lineEdit("edit1", true);
  edit1->setMinimumWidth(420);
  Edit2 = lineEdit("Edit2", true);
  Edit3 = lineEdit("Edit3", true);
  Edit2->setFixedWidth(100);
  Edit3->setFixedWidth(200);
  Gauge1 = named(new QProgressBar, "Gauge1");
  Gauge1->setRange(0, 100);

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Teilstueck :")), 0, 0);
  layout->addWidget(edit1, 0, 1, 1, 2);
  layout->addWidget(Edit2, 1, 1);
  layout->addWidget(Edit3, 1, 2, Qt::AlignLeft);
  layout->addWidget(Gauge1, 2, 0, 1, 3);
  dialogframe::fixSizeToLayout(this);
  reset();
}

void TForm5::reset() {
  part_.clear();
  lineText_.clear();
  unitText_.clear();
  percent_ = 0;
  showPending();
}

void TForm5::setBusy(bool busy) {
  busy_ = busy;
  sincePaint_.invalidate();
  if (!busy_) showPending();
}

void TForm5::setPart(const QString& text) {
  part_ = text;
  if (!busy_) showPending();
}

void TForm5::setLineText(const QString& text) {
  lineText_ = text;
  if (!busy_) showPending();
}

void TForm5::setUnitText(const QString& text) {
  unitText_ = text;
  if (!busy_) showPending();
}

void TForm5::setPercent(int percent) {
  percent_ = qBound(0, percent, 100);
  if (!busy_) showPending();
}

void TForm5::showPending() {
  if (edit1->text() != part_) edit1->setText(part_);
  if (Edit2->text() != lineText_) Edit2->setText(lineText_);
  if (Edit3->text() != unitText_) Edit3->setText(unitText_);
  Gauge1->setValue(percent_);
}

void TForm5::repaint() {
  if (sincePaint_.isValid() && sincePaint_.elapsed() < 50) return;
  sincePaint_.restart();
  showPending();
  // All events, input included: the disabled main window drops clicks and
  // keys at once instead of running them when the import is over.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TForm5::closeEvent(QCloseEvent* event) {
  if (busy_)
    event->ignore();
  else
    QDialog::closeEvent(event);
}

void TForm5::reject() {
  if (!busy_) QDialog::reject();
}
