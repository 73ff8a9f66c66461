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
  return t;
}

void addNodes(QTreeWidgetItem* parent, QTreeWidget* tree, const QVector<TextTreeNode>& nodes) {
  for (const TextTreeNode& n : nodes) {
    auto* item = parent ? new QTreeWidgetItem(parent, {n.text}) : new QTreeWidgetItem(tree, {n.text});
    addNodes(item, tree, n.children);
  }
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
  connect(Button1, &QPushButton::clicked, this, &TForm9::Button1Click);
}

void TForm9::show(QTreeWidget* tree, const possessionsfile::Loaded& loaded) {
  // The nodes come sorted by text at every level.
  addNodes(nullptr, tree, loaded.nodes);
  if (!loaded.ok() && inform_) inform_(loaded.error);
}

void TForm9::ToolButton6Click() {
  QDialog::show();
  raise();
  TreeView1->clear();
  if (!session_) return;
  Edit1->setText(possessionsfile::previousRound(*session_));
  show(TreeView1, possessionsfile::loadCurrent(*session_));
}

void TForm9::Button1Click() {
  TreeView2->clear();
  if (!session_) return;
  show(TreeView2, possessionsfile::loadRound(*session_, Edit1->text()));
}
