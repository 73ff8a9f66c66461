#include "ui/tform9.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "ui/formhelpers.h"

using namespace formhelpers;

namespace {
QTreeWidget* tree(const char* name) {
  auto* t = named(new QTreeWidget, name);
  t->setHeaderHidden(true);
  t->setSortingEnabled(true);
  t->sortByColumn(0, Qt::AscendingOrder);
  return t;
}
}  // namespace

TForm9::TForm9(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm9"));
  setWindowTitle(QStringLiteral("Besitztümer"));
  Label1 = named(new QLabel(QStringLiteral("aktuelle Daten")), "Label1");
  TreeView1 = tree("TreeView1");
  Button1 = named(new QPushButton(QStringLiteral("Historische Daten anzeigen")), "Button1");
  Edit1 = lineEdit("Edit1");
  Edit1->setFixedWidth(80);
  TreeView2 = tree("TreeView2");
  auto* layout = new QGridLayout(this);
  layout->addWidget(Label1, 0, 0);
  layout->addWidget(Button1, 0, 1);
  layout->addWidget(Edit1, 0, 2);
  layout->addWidget(TreeView1, 1, 0);
  layout->addWidget(TreeView2, 1, 1, 1, 2);
  resize(640, 480);
}
