#include "ui/maintoolbar.h"

#include <QToolButton>

#include "ui/toolicons.h"

namespace {
QToolButton* button(QToolBar* bar, const char* name, const QString& text, const QString& hint,
                    toolicons::Picture picture) {
  auto* b = new QToolButton(bar);
  b->setObjectName(QString::fromLatin1(name));
  b->setText(text);
  b->setToolTip(hint);
  b->setIcon(toolicons::icon(picture));
  b->setToolButtonStyle(Qt::ToolButtonIconOnly);
  // The picture alone says nothing to a screen reader.
  b->setAccessibleName(text);
  bar->addWidget(b);
  return b;
}
}  // namespace

MainToolBar::MainToolBar(QWidget* parent) : QToolBar(parent) {
  using toolicons::Picture;
  setObjectName(QStringLiteral("ToolBar1"));
  setMovable(false);
  setIconSize(QSize(24, 24));
  ToolButton1 = button(this, "ToolButton1", QStringLiteral("Schiffe"), QStringLiteral("Schiffe einblenden"),
                       Picture::Ships);
  ToolButton2 = button(this, "ToolButton2", QStringLiteral("Einheiten"), QStringLiteral("Einheiten einblenden"),
                       Picture::Units);
  ToolButton3 = button(this, "ToolButton3", QStringLiteral("Weltkarte"), QStringLiteral("Weltkarte aktualisieren"),
                       Picture::RedrawMap);
  ToolButton4 = button(this, "ToolButton4", QStringLiteral("Meldungen"),
                       QStringLiteral("Regionsmeldungen einblenden"), Picture::RegionMessages);
  addSeparator();
  ToolButton5 = button(this, "ToolButton5", QStringLiteral("Zug prüfen"), QStringLiteral("Zug prüfen lassen"),
                       Picture::CheckOrders);
  ToolButton6 = button(this, "ToolButton6", QStringLiteral("Besitz"), QStringLiteral("Besitztümer auflisten"),
                       Picture::Possessions);
  ToolButton7 = button(this, "ToolButton7", QStringLiteral("Befehle versenden"),
                       QStringLiteral("Befehle an den Spielserver versenden"), Picture::SendOrders);
}
