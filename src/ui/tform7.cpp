#include "ui/tform7.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogframe.h"
#include "ui/formhelpers.h"

using formhelpers::named;

TForm7::TForm7(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm7"));
  setWindowTitle(QStringLiteral("Molvanth Assistent Info"));
  Label1 = named(new QLabel(QStringLiteral("Zendral V")), "Label1");
  QFont big = Label1->font();
  big.setPointSize(big.pointSize() + 6);
  big.setBold(true);
  Label1->setFont(big);
  Label2 = named(new QLabel(QStringLiteral("Dieses Programm darf frei benutzt und weitergegeben werden.\n"
                                           "Vielen Dank an alle, die Molvanth und Quarnel "
                                           "leiten und am Laufen halten.")),
                 "Label2");
  Label2->setWordWrap(true);
  Button1 = named(new QPushButton(QStringLiteral("OK")), "Button1");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(Label2);
  layout->addWidget(Button1, 0, Qt::AlignRight);
  connect(Button1, &QPushButton::clicked, this, &QWidget::hide);
  // Wide enough for the whole caption in the title bar (whose font is the
  // window manager's, often bold and larger), with room for its buttons.
  QFont title = font();
  title.setBold(true);
  title.setPointSizeF(title.pointSizeF() * 1.25);
  Label2->setMinimumWidth(qMax(380, QFontMetrics(title).horizontalAdvance(windowTitle()) + 160));
  dialogframe::makeFixedDialog(this);
  dialogframe::fixSizeToLayout(this);
}

void TForm7::appendVersion(const QString& version) {
  if (!Label1->text().endsWith(version)) Label1->setText(Label1->text() + version);
}

QString TForm7::productLine() const { return Label1->text(); }
