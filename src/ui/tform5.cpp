#include "ui/tform5.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "ui/formhelpers.h"

using namespace formhelpers;

TForm5::TForm5(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm5"));
  setWindowTitle(QStringLiteral("Einlesen der Auswertung läuft ..."));
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
  reset();
}

void TForm5::reset() {
  edit1->clear();
  Edit2->clear();
  Edit3->clear();
  Gauge1->setValue(0);
}

void TForm5::setPart(const QString& text) { edit1->setText(text); }
void TForm5::setLineText(const QString& text) { Edit2->setText(text); }
void TForm5::setUnitText(const QString& text) { Edit3->setText(text); }
void TForm5::setPercent(int percent) { Gauge1->setValue(qBound(0, percent, 100)); }

void TForm5::repaint() {
  if (sincePaint_.isValid() && sincePaint_.elapsed() < 50) return;
  sincePaint_.restart();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
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
