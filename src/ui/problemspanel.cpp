#include "ui/problemspanel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/formhelpers.h"

using formhelpers::named;

ProblemsPanel::ProblemsPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ProblemsPanel"));
  ButtonPruefen = named(new QPushButton(QStringLiteral("Befehle prüfen")), "ButtonPruefen");
  Summary = named(new QLabel(QStringLiteral("Probleme")), "ProblemeSummary");
  Probleme = named(new QTableWidget(0, 4), "Probleme");
  Probleme->setHorizontalHeaderLabels(
      {QStringLiteral("Art"), QStringLiteral("Zeile"), QStringLiteral("Einheit"), QStringLiteral("Text")});
  Probleme->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
  Probleme->verticalHeader()->hide();
  Probleme->setSelectionBehavior(QAbstractItemView::SelectRows);
  Probleme->setEditTriggers(QAbstractItemView::NoEditTriggers);
  auto* bar = new QHBoxLayout;
  bar->addWidget(Summary);
  bar->addStretch(1);
  bar->addWidget(ButtonPruefen);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(bar);
  layout->addWidget(Probleme, 1);
  connect(ButtonPruefen, &QPushButton::clicked, this, &ProblemsPanel::checkRequested);
  connect(Probleme, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    if (row >= 0 && row < problems_.size()) emit problemActivated(problems_.at(row));
  });
}

void ProblemsPanel::setProblems(const QList<orderscheck::Problem>& problems) {
  problems_.clear();
  Probleme->setRowCount(0);
  appendProblems(problems);
}

void ProblemsPanel::appendProblems(const QList<orderscheck::Problem>& problems) {
  for (const orderscheck::Problem& p : problems) addRow(p);
  for (int c = 0; c < 3; ++c) Probleme->resizeColumnToContents(c);
  updateSummary();
}

void ProblemsPanel::addRow(const orderscheck::Problem& p) {
  problems_ << p;
  const int row = Probleme->rowCount();
  Probleme->insertRow(row);
  const QStringList cells = {orderscheck::severityText(p.severity), p.line > 0 ? QString::number(p.line) : QString(),
                             p.unit, p.text};
  for (int c = 0; c < cells.size(); ++c) {
    auto* item = new QTableWidgetItem(cells.at(c));
    if (c == 0) item->setForeground(p.severity == orderscheck::Severity::Fehler ? QColor(0xB0, 0, 0) : QColor(0xA0, 0x60, 0));
    Probleme->setItem(row, c, item);
  }
}

void ProblemsPanel::updateSummary() {
  int errors = 0;
  for (const orderscheck::Problem& p : problems_) errors += p.severity == orderscheck::Severity::Fehler;
  Summary->setText(QStringLiteral("Probleme: %1 Fehler, %2 Warnungen").arg(errors).arg(problems_.size() - errors));
}
