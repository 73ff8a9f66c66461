#include "ui/regionpage.h"

#include <QDataWidgetMapper>
#include <QGridLayout>
#include <QIntValidator>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/formhelpers.h"
#include "views/regionview.h"
#include "views/tablerowmodel.h"

using namespace formhelpers;

namespace {
QLabel* road(const char* name, const char* field) {
  auto* label = named(new QLabel, name);
  label->setAlignment(Qt::AlignCenter);
  label->setMinimumWidth(30);
  bindField(label, QString::fromUtf8(field));
  return label;
}
}  // namespace

RegionPage::RegionPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheetRegion"));
  auto bound = [this](const char* name, const char* field, bool editable) {
    QLineEdit* e = lineEdit(name, !editable);
    bindField(e, QString::fromUtf8(field));
    bound_ << e;
    return e;
  };
  DBEdit3 = bound("DBEdit3", "Regionname", true);
  DBEdit6 = bound("DBEdit6", "Regiontyp", false);
  DBEdit25 = bound("DBEdit25", "Breite", false);
  DBEdit26 = bound("DBEdit26", "Länge", false);
  DBEdit18 = bound("DBEdit18", "Pferde", false);
  DBEdit7 = bound("DBEdit7", "Bauern", false);
  DBEdit19 = bound("DBEdit19", "Rekrutieren", false);
  DBEdit24 = bound("DBEdit24", "Arbeitslohn", false);
  DBEdit9 = bound("DBEdit9", "VermögenBauern", false);
  DBEdit20 = bound("DBEdit20", "Unterhaltung max", false);
  DBEdit8 = bound("DBEdit8", "Holzstämme", false);
  DBEdit27 = bound("DBEdit27", "Eisen", false);
  DBEdit28 = bound("DBEdit28", "Lean", false);
  DBEdit29 = bound("DBEdit29", "Mallorn", false);
  DBEdit17 = bound("DBEdit17", "Luxusgüter", true);
  DBEdit12 = bound("DBEdit12", "Juwel", true);
  DBEdit10 = bound("DBEdit10", "Balsam", true);
  DBEdit11 = bound("DBEdit11", "Gewuerz", true);
  DBEdit13 = bound("DBEdit13", "Myrrhe", true);
  DBEdit14 = bound("DBEdit14", "Seide", true);
  DBEdit16 = bound("DBEdit16", "Weihrauch", true);
  DBEdit15 = bound("DBEdit15", "Oel", true);
  // The amount and prices are whole numbers; other text would not be stored.
  for (QLineEdit* e : {DBEdit17, DBEdit12, DBEdit10, DBEdit11, DBEdit13, DBEdit14, DBEdit16, DBEdit15})
    e->setValidator(new QIntValidator(e));
  DBText1 = road("DBText1", "Strasse");
  DBText2 = road("DBText2", "Strasse1");
  DBText4 = road("DBText4", "Strasse2");
  DBText6 = road("DBText6", "Strasse3");
  DBText5 = road("DBText5", "Strasse4");
  DBText3 = road("DBText3", "Strasse5");
  for (QLabel* l : roadDisplays()) bound_ << l;
  DBMemo2 = named(new QPlainTextEdit, "DBMemo2");
  bindField(DBMemo2, QStringLiteral("Beschreibung"));
  bound_ << DBMemo2;

  Edit14 = lineEdit("Edit14", true);
  Edit15 = lineEdit("Edit15", true);
  Edit1 = lineEdit("Edit1", true);
  Edit9 = lineEdit("Edit9", true);
  TreeView1 = named(new QTreeWidget, "TreeView1");
  TreeView1->setHeaderHidden(true);
  Memo7 = named(new QPlainTextEdit, "Memo7");
  Memo7->setReadOnly(true);
  Memo8 = named(new QPlainTextEdit, "Memo8");
  Memo8->setReadOnly(true);

  // Region values.
  auto* values = new QGridLayout;
  const QList<QPair<QString, QWidget*>> cells = {
      {QStringLiteral("Region Name"), DBEdit3}, {QStringLiteral("Region Typ"), DBEdit6},
      {QStringLiteral("Pferde"), DBEdit18},     {QStringLiteral("Bauern"), DBEdit7},
      {QStringLiteral("Rekrut."), DBEdit19},    {QStringLiteral("Lohn"), DBEdit24},
      {QStringLiteral("Bauern Silber"), DBEdit9}, {QStringLiteral("Unterhaltung"), DBEdit20},
      {QStringLiteral("Bäume"), DBEdit8},       {QStringLiteral("Eisen"), DBEdit27},
      {QStringLiteral("Laen"), DBEdit28},       {QStringLiteral("Mallorn"), DBEdit29},
      {QStringLiteral("Steine"), Edit14},       {QStringLiteral("Schößl."), Edit15},
      {QStringLiteral("eigenes Silber"), Edit1}, {QStringLiteral("eigene Leute"), Edit9}};
  auto* coordinates = new QWidget;
  auto* xy = new QHBoxLayout(coordinates);
  xy->setContentsMargins(0, 0, 0, 0);
  xy->addWidget(DBEdit25);
  xy->addWidget(DBEdit26);
  values->addWidget(captioned(QStringLiteral("X / Y"), coordinates), 0, 0);
  int i = 1;
  for (const auto& [caption, field] : cells) {
    values->addWidget(captioned(caption, field), i / 4, i % 4);
    ++i;
  }

  // Roads around the centre mark.
  auto* roads = new QGroupBox(QStringLiteral("Straße"));
  auto* hex = new QGridLayout(roads);
  hex->addWidget(DBText1, 0, 0);
  hex->addWidget(DBText2, 0, 2);
  hex->addWidget(DBText3, 1, 0);
  auto* centre = new QLabel(QStringLiteral("X"));
  centre->setAlignment(Qt::AlignCenter);
  hex->addWidget(centre, 1, 1);
  hex->addWidget(DBText4, 1, 2);
  hex->addWidget(DBText5, 2, 0);
  hex->addWidget(DBText6, 2, 2);

  // Trade.
  auto* trade = new QGroupBox(QStringLiteral("Handel"));
  auto* tradeLayout = new QGridLayout(trade);
  tradeLayout->addWidget(captioned(QStringLiteral("Luxusgüter zum Preis:"), DBEdit17), 0, 0, 1, 2);
  const QList<QPair<QString, QWidget*>> goods = {
      {QStringLiteral("Juwelen"), DBEdit12}, {QStringLiteral("Balsam"), DBEdit10},
      {QStringLiteral("Gewürze"), DBEdit11}, {QStringLiteral("Myrrhe"), DBEdit13},
      {QStringLiteral("Seide"), DBEdit14},   {QStringLiteral("Weihrauch"), DBEdit16},
      {QStringLiteral("Oel"), DBEdit15}};
  int g = 2;
  for (const auto& [caption, field] : goods) {
    tradeLayout->addWidget(captioned(caption, field), g / 2, g % 2);
    ++g;
  }

  auto* possessions = new QGroupBox(QStringLiteral("Besitztümer"));
  auto* possessionsLayout = new QVBoxLayout(possessions);
  possessionsLayout->addWidget(TreeView1);

  PageControl3 = named(new QTabWidget, "PageControl3");
  PageControl3->addTab(DBMemo2, QStringLiteral("Regionsbeschreibung"));
  PageControl3->addTab(Memo7, QStringLiteral("Regionsbewacher"));
  PageControl3->addTab(Memo8, QStringLiteral("Regionsumgebung"));

  auto* top = new QHBoxLayout;
  top->addLayout(values, 3);
  top->addWidget(roads, 1);
  top->addWidget(trade, 2);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(possessions, 1);
  bottom->addWidget(PageControl3, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(bottom, 1);
}

void RegionPage::showBound(const std::function<QString(const QString&)>& valueOf) {
  for (QWidget* control : bound_) {
    const QString text = valueOf(boundField(control));
    if (auto* e = qobject_cast<QLineEdit*>(control))
      e->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(control))
      l->setText(text);
    else if (auto* m = qobject_cast<QPlainTextEdit*>(control))
      m->setPlainText(text);
  }
}

void RegionPage::bindModel(TableRowModel* model) {
  model_ = model;
  if (!mapper_) {
    mapper_ = new QDataWidgetMapper(this);
    mapper_->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
  }
  mapper_->clearMapping();
  mapper_->setModel(model);
  // The road displays follow the game type's binding (Quarnel shows one value).
  for (QWidget* control : bound_) {
    const int column = model->column(boundField(control));
    if (column < 0) continue;
    if (qobject_cast<QLabel*>(control))
      mapper_->addMapping(control, column, "text");
    else if (qobject_cast<QPlainTextEdit*>(control))
      mapper_->addMapping(control, column, "plainText");
    else
      mapper_->addMapping(control, column);
  }
}

void RegionPage::showRow() {
  if (model_ && model_->hasRow())
    mapper_->toFirst();
  else
    clearBound();
}

void RegionPage::submitEdits() {
  if (mapper_ && model_ && model_->hasRow()) mapper_->submit();
}

void RegionPage::hideEvent(QHideEvent* event) {
  submitEdits();
  QWidget::hideEvent(event);
}

void RegionPage::fill(const RegionView& view) {
  Edit14->setText(view.steine);
  Edit15->setText(view.schoesslinge);
  Edit1->setText(view.ownSilver);
  Edit9->setText(view.ownPeople);
  TreeView1->clear();
  for (int i = 0; i < view.possessions.size(); ++i) {
    const RegionTreeNode& node = view.possessions.at(i);
    auto* party = new QTreeWidgetItem(TreeView1, {node.text});
    for (const QString& child : node.children) new QTreeWidgetItem(party, {child});
    if (i == view.ownPartyNode) party->setExpanded(true);
  }
  Memo7->setPlainText(view.guards.join(QLatin1Char('\n')));
  Memo8->setPlainText(view.surroundings.join(QLatin1Char('\n')));
}

void RegionPage::clearBound() {
  showBound([](const QString&) { return QString(); });
}

void RegionPage::adaptToQuarnel() {
  for (QWidget* w : {static_cast<QWidget*>(DBEdit28), static_cast<QWidget*>(DBEdit29),
                     static_cast<QWidget*>(Edit14), static_cast<QWidget*>(Edit15)})
    setCaptionedVisible(w, false);
  for (QLabel* l : {DBText2, DBText4, DBText6, DBText5, DBText3}) bindField(l, QStringLiteral("Strasse"));
}
