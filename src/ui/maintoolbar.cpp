#include "ui/maintoolbar.h"

#include <QToolButton>

namespace {
QToolButton* button(QToolBar* bar, const char* name, const QString& text, const QString& hint) {
  auto* b = new QToolButton(bar);
  b->setObjectName(QString::fromLatin1(name));
  b->setText(text);
  b->setToolTip(hint);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  bar->addWidget(b);
  return b;
}
}  // namespace

MainToolBar::MainToolBar(QWidget* parent) : QToolBar(parent) {
  setObjectName(QStringLiteral("ToolBar1"));
  setMovable(false);
  ToolButton1 = button(this, "ToolButton1", QStringLiteral("Schiffe"), QStringLiteral("Schiffe einblenden"));
  ToolButton2 = button(this, "ToolButton2", QStringLiteral("Einheiten"), QStringLiteral("Einheiten einblenden"));
  ToolButton3 = button(this, "ToolButton3", QStringLiteral("Weltkarte"), QStringLiteral("Weltkarte aktualisieren"));
  ToolButton4 = button(this, "ToolButton4", QStringLiteral("Meldungen"),
                       QStringLiteral("Regionsmeldungen einblenden"));
  addSeparator();
  ToolButton5 = button(this, "ToolButton5", QStringLiteral("Zug prüfen"), QStringLiteral("Zug prüfen lassen"));
  ToolButton6 = button(this, "ToolButton6", QStringLiteral("Besitz"), QStringLiteral("Besitztümer auflisten"));
}
