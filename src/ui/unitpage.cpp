#include "ui/unitpage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/formhelpers.h"

using namespace formhelpers;

namespace {
QPlainTextEdit* memo(const char* name, bool readOnly) {
  auto* m = named(new QPlainTextEdit, name);
  m->setReadOnly(readOnly);
  m->setLineWrapMode(QPlainTextEdit::NoWrap);
  return m;
}

QWidget* sheet(const char* name, QWidget* content) {
  auto* page = named(new QWidget, name);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(content);
  return page;
}
}  // namespace

UnitPage::UnitPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheetUnits"));
  PanelUnits = named(new QLabel(QStringLiteral("Einheiten in Region :")), "Panel3");
  ListBox3 = named(new QListWidget, "ListBox3");
  ListBox3->setFont(QFont(QStringLiteral("Courier")));
  CheckBox1 = named(new QCheckBox(QStringLiteral("Alle")), "CheckBox1");
  CheckBox1->setToolTip(QStringLiteral("Alle Einheiten oder nur eigene anzeigen"));
  CheckBox1->setChecked(true);
  CheckBox2 = named(new QCheckBox(QStringLiteral("Nur aktuelle Info")), "CheckBox2");
  CheckBox2->setToolTip(QStringLiteral("Nur Informationen der letzten Runde anzeigen."));
  CheckBox2->setChecked(true);

  DBEdit2 = lineEdit("DBEdit2");
  bindField(DBEdit2, QStringLiteral("Partei Name"));
  Edit29 = lineEdit("Edit29", true);
  Edit29->setFixedWidth(60);
  DBEdit23 = lineEdit("DBEdit23");
  bindField(DBEdit23, QStringLiteral("Personen"));
  DBEdit22 = lineEdit("DBEdit22");
  bindField(DBEdit22, QStringLiteral("Silber"));
  DBEdit21 = lineEdit("DBEdit21");
  bindField(DBEdit21, QStringLiteral("Status"));
  DBEdit31 = lineEdit("DBEdit31");
  bindField(DBEdit31, QStringLiteral("Hitpoints"));
  CheckBox3 = named(new QCheckBox(QStringLiteral("getarnt?")), "CheckBox3");
  CheckBox3->setEnabled(false);
  Memo2 = memo("Memo2", true);
  Memo3 = memo("Memo3", true);
  DBMemo1 = memo("DBMemo1", false);
  Memo9 = memo("Memo9", true);
  DBEdit1 = lineEdit("DBEdit1");
  bindField(DBEdit1, QStringLiteral("Einheit Name"));
  DBEdit1->hide();
  DBEdit5 = lineEdit("DBEdit5");
  bindField(DBEdit5, QStringLiteral("Einheit Nr"));
  DBEdit5->hide();

  PageControl4 = named(new QTabWidget, "PageControl4");
  TabSheet23 = sheet("TabSheet23", DBMemo1);
  TabSheet24 = sheet("TabSheet24", Memo9);
  PageControl4->addTab(TabSheet23, QStringLiteral("Beschreibung"));
  PageControl4->addTab(TabSheet24, QStringLiteral("Meldungen"));

  auto* left = new QVBoxLayout;
  left->addWidget(PanelUnits);
  left->addWidget(ListBox3, 1);
  auto* filters = new QHBoxLayout;
  filters->addWidget(CheckBox1);
  filters->addWidget(CheckBox2);
  filters->addStretch(1);
  left->addLayout(filters);

  auto* party = new QWidget;
  auto* partyLayout = new QHBoxLayout(party);
  partyLayout->setContentsMargins(0, 0, 0, 0);
  partyLayout->addWidget(Edit29);
  partyLayout->addWidget(DBEdit2, 1);

  auto* details = new QGridLayout;
  details->addWidget(captioned(QStringLiteral("Parteizugehörigkeit"), party), 0, 0, 1, 2);
  details->addWidget(captioned(QStringLiteral("Anzahl Personen"), DBEdit23), 1, 0);
  details->addWidget(captioned(QStringLiteral("Silber"), DBEdit22), 1, 1);
  details->addWidget(captioned(QStringLiteral("militärischer Status"), DBEdit21), 2, 0);
  details->addWidget(captioned(QStringLiteral("Gesundheit"), DBEdit31), 2, 1);
  details->addWidget(CheckBox3, 3, 0);
  details->addWidget(captioned(QStringLiteral("Gegenstände"), Memo2), 4, 0);
  details->addWidget(captioned(QStringLiteral("Talente"), Memo3), 4, 1);
  details->addWidget(PageControl4, 5, 0, 1, 2);
  details->addWidget(DBEdit1, 6, 0);
  details->addWidget(DBEdit5, 6, 1);
  details->setRowStretch(4, 1);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(details, 2);
}

void UnitPage::collapseDetails() {
  PageControl4->setTabVisible(PageControl4->indexOf(TabSheet23), false);
  PageControl4->setTabVisible(PageControl4->indexOf(TabSheet24), false);
  PageControl4->setFixedHeight(69);
}

void UnitPage::clearTexts() {
  Memo2->clear();
  Memo3->clear();
}
