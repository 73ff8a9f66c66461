#pragma once
// "Probleme": the list below the template, one row per problem (Fehler or
// Warnung, line, unit, text), with the button "Befehle prüfen".
#include <QList>
#include <QWidget>

#include "orders/orderscheck.h"

class QLabel;
class QPushButton;
class QTableWidget;

class ProblemsPanel : public QWidget {
  Q_OBJECT
 public:
  explicit ProblemsPanel(QWidget* parent = nullptr);

  void setProblems(const QList<orderscheck::Problem>& problems);
  // The external checker's problems after the built-in ones.
  void appendProblems(const QList<orderscheck::Problem>& problems);
  const QList<orderscheck::Problem>& problems() const { return problems_; }

  QPushButton* ButtonPruefen;  // "Befehle prüfen"
  QLabel* Summary;
  QTableWidget* Probleme;

 signals:
  void checkRequested();
  // A double click on a row.
  void problemActivated(const orderscheck::Problem& problem);

 private:
  void addRow(const orderscheck::Problem& p);
  void updateSummary();
  QList<orderscheck::Problem> problems_;
};
