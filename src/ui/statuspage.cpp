#include "ui/statuspage.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "report/reportpages.h"
#include "ui/formhelpers.h"

using namespace formhelpers;

namespace {
QHBoxLayout* row(std::initializer_list<QWidget*> columns) {
  auto* layout = new QHBoxLayout;
  for (QWidget* w : columns) layout->addWidget(w);
  layout->addStretch(1);
  return layout;
}
}  // namespace

StatusPage::StatusPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheetStatus"));
  Edit2 = lineEdit("Edit2", true);
  Edit3 = lineEdit("Edit3", true);
  Edit4 = lineEdit("Edit4", true);
  Edit5 = lineEdit("Edit5", true);
  Edit6 = lineEdit("Edit6", true);
  Edit7 = lineEdit("Edit7", true);
  Edit8 = lineEdit("Edit8", true);
  Edit13 = lineEdit("Edit13", true);
  Edit22 = lineEdit("Edit22", true);
  Edit23 = lineEdit("Edit23", true);
  Edit28 = lineEdit("Edit28", true);
  for (QLineEdit* e : {Edit2, Edit3, Edit4, Edit7, Edit8, Edit13, Edit22, Edit23, Edit28}) e->setFixedWidth(110);
  Edit5->setFixedWidth(220);
  Edit6->setFixedWidth(260);

  ListBox13 = named(new QListWidget, "ListBox13");
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  ListBox13->setFont(fixed);
  ListBox4 = named(new QListWidget, "ListBox4");

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row({captioned(QStringLiteral("Punkte :"), Edit3), captioned(QStringLiteral("Punkte mittel:"), Edit4),
                         captioned(QStringLiteral("Partei Name"), Edit5), captioned(QStringLiteral("Datum"), Edit6)}));
  layout->addLayout(row({captioned(QStringLiteral("Einheiten"), Edit7), captioned(QStringLiteral("Personen"), Edit8),
                         captioned(QStringLiteral("Silber"), Edit13),
                         captioned(QStringLiteral("Gesamteinkommen :"), Edit2)}));
  layout->addLayout(row({captioned(QStringLiteral("Immigranten"), Edit22),
                         captioned(QStringLiteral("max. Immigranten"), Edit23),
                         captioned(QStringLiteral("Ork Vermehrung"), Edit28)}));
  auto* lists = new QHBoxLayout;
  lists->addWidget(captioned(QStringLiteral("Gesamtproduktion"), ListBox13), 1);
  lists->addWidget(captioned(QStringLiteral("Bündnisse"), ListBox4), 1);
  layout->addLayout(lists, 1);
}

void StatusPage::showFields(const StatusFields& f) {
  Edit2->setText(f.gesamteinkommen);
  Edit3->setText(f.punkte);
  Edit4->setText(f.punkteMittel);
  Edit5->setText(f.parteiName);
  Edit6->setText(f.datum);
  Edit7->setText(f.einheiten);
  Edit8->setText(f.personen);
  Edit13->setText(f.silber);
  Edit22->setText(f.immigranten);
  Edit23->setText(f.maxImmigranten);
  Edit28->setText(f.orkVermehrung);
  ListBox13->clear();
  ListBox13->addItems(f.gesamtproduktion);
}

void StatusPage::showAlliances(const QStringList& lines) {
  ListBox4->clear();
  ListBox4->addItems(lines);
}

void StatusPage::adaptToQuarnel() {
  for (QLineEdit* e : {Edit3, Edit4, Edit22, Edit23, Edit28}) setCaptionedVisible(e, false);
  // With the points gone, name and date are the first columns of their row.
  Edit5->setFixedWidth(305);
  Edit6->setFixedWidth(393);
}
