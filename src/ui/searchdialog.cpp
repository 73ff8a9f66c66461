#include "ui/searchdialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/formhelpers.h"

using formhelpers::named;

SearchDialog::SearchDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Suchen"));
  setWindowTitle(QStringLiteral("Suchen"));
  Suchtext = named(new QLineEdit, "Suchtext");
  Suchtext->setPlaceholderText(QStringLiteral("Regionsname, \"x y\", Einheit, Burg oder Schiff (Nummer)"));
  Suchtext->setClearButtonEnabled(true);
  auto* go = named(new QPushButton(QStringLiteral("Suchen")), "SuchenButton");
  go->setDefault(true);
  Treffer = named(new QListWidget, "Treffer");
  Anzahl = named(new QLabel, "Anzahl");
  auto* close = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* row = new QHBoxLayout;
  row->addWidget(Suchtext, 1);
  row->addWidget(go);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(Treffer, 1);
  layout->addWidget(Anzahl);
  layout->addWidget(close);
  resize(460, 360);

  connect(Suchtext, &QLineEdit::returnPressed, this, &SearchDialog::search);
  connect(go, &QPushButton::clicked, this, &SearchDialog::search);
  connect(Treffer, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { choose(Treffer->row(item)); });
}

void SearchDialog::setSearch(Search search, LineOf lineOf) {
  search_ = std::move(search);
  lineOf_ = std::move(lineOf);
}

void SearchDialog::search() {
  Treffer->clear();
  hits_ = search_ ? search_(Suchtext->text()) : QList<mapsearch::Hit>{};
  for (const mapsearch::Hit& hit : hits_) Treffer->addItem(lineOf_ ? lineOf_(hit) : hit.name);
  if (Suchtext->text().trimmed().isEmpty())
    Anzahl->setText(QStringLiteral("Bitte einen Namen, \"x y\" oder eine Nummer eingeben."));
  else if (hits_.isEmpty())
    Anzahl->setText(QStringLiteral("Nichts gefunden zu „%1“.").arg(Suchtext->text().trimmed()));
  else
    Anzahl->setText(hits_.size() == 1 ? QStringLiteral("1 Treffer") : QStringLiteral("%1 Treffer").arg(hits_.size()));
  if (!hits_.isEmpty()) Treffer->setCurrentRow(0);
  // One hit is chosen at once; with several the player picks.
  if (hits_.size() == 1) choose(0);
}

void SearchDialog::choose(int row) {
  if (row < 0 || row >= hits_.size() || !chosen_) return;
  chosen_(hits_.at(row));
}
