#include "ui/tform8.h"

#include <QPlainTextEdit>

#include "game/textutil.h"
#include "ui/dialogframe.h"

TForm8::TForm8(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm8"));
  setWindowTitle(QStringLiteral("Zug Checker Ausgabe"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(482, 579);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(16, 16, 449, 545);
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  dialogframe::makeFixedDialog(this);
}

void TForm8::showFile(const QString& path) {
  const auto lines = textutil::readLines(path);
  Memo1->setPlainText(lines ? lines->join(QLatin1Char('\n')) : QString());
  show();
  raise();
  activateWindow();
}
