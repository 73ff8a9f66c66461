#include "ui/tform6.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/textutil.h"
#include "ui/formhelpers.h"
#include "ui/ordershighlighter.h"

using namespace formhelpers;

TForm6::TForm6(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm6"));
  setWindowTitle(QStringLiteral("Befehlseditor"));
  setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
  Panel2 = named(new QLabel(QStringLiteral("Einheit Name")), "Panel2");
  Edit1 = lineEdit("Edit1", true);
  CheckBox1 = named(new QCheckBox(QStringLiteral("Markierung")), "CheckBox1");
  CheckBox1->setToolTip(QStringLiteral("Markierte Einheiten werden auf der Karte nicht mehr angezeigt."));
  CheckBox2 = named(new QCheckBox(QStringLiteral("lange Markierung")), "CheckBox2");
  CheckBox2->setToolTip(QStringLiteral("Die Markierung wird auch in der nächsten Runde gesetzt."));
  GroupBox1 = named(new QGroupBox(QStringLiteral("Befehle der Einheit")), "GroupBox1");
  Memo1 = named(new QPlainTextEdit, "Memo1");
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont courier(QStringLiteral("Courier"));
  courier.setStyleHint(QFont::TypeWriter);
  Memo1->setFont(courier);
  new OrdersHighlighter(Memo1->document());
  Button1 = named(new QPushButton(QStringLiteral("Befehle ausführen")), "Button1");
  Button3 = named(new QPushButton(QStringLiteral("Editor ausblenden")), "Button3");

  auto* orders = new QVBoxLayout(GroupBox1);
  orders->addWidget(Memo1);
  auto* marks = new QHBoxLayout;
  marks->addWidget(CheckBox1);
  marks->addWidget(CheckBox2);
  marks->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button1);
  buttons->addStretch(1);
  buttons->addWidget(Button3);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Panel2);
  layout->addWidget(Edit1);
  layout->addLayout(marks);
  layout->addWidget(GroupBox1, 1);
  layout->addLayout(buttons);
  resize(420, 360);

  connect(Button3, &QPushButton::clicked, this, &TForm6::Button3Click);
  connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
  connect(CheckBox1, &QCheckBox::clicked, this, &TForm6::CheckBox1Click);
  connect(CheckBox2, &QCheckBox::clicked, this, &TForm6::CheckBox2Click);
}

commandeditor::Marks TForm6::marks() const { return {CheckBox1->isChecked(), CheckBox2->isChecked()}; }

void TForm6::setMarks(commandeditor::Marks marks) {
  CheckBox1->setChecked(marks.mark);
  CheckBox2->setChecked(marks.longMark);
}

// The player's click has already set the clicked box; only the other one
// follows, so the box just checked stays checked.
void TForm6::CheckBox1Click() { CheckBox2->setChecked(false); }
void TForm6::CheckBox2Click() { CheckBox1->setChecked(false); }

void TForm6::clearOrders() { Memo1->clear(); }

void TForm6::openFor(const QString& unitName, const QString& flags, const QStringList& lines) {
  setMarks(commandeditor::marksFromFlags(flags, marks()));
  Edit1->setText(unitName);
  Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList TForm6::orderLines() const {
  // As the memo's lines: a final line end makes no extra empty line.
  return textutil::splitLines(Memo1->toPlainText());
}
