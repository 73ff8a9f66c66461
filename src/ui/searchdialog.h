#pragma once
// "Suchen": a text field, the list of hits, and choosing a hit (double
// click or Enter) hands it on. It stays open for the next search.
#include <QDialog>
#include <QList>
#include <functional>

#include "views/mapsearch.h"

class QLabel;
class QLineEdit;
class QListWidget;

class SearchDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SearchDialog(QWidget* parent = nullptr);

  using Search = std::function<QList<mapsearch::Hit>(const QString& text)>;
  using LineOf = std::function<QString(const mapsearch::Hit&)>;
  void setSearch(Search search, LineOf lineOf);
  void setChosen(std::function<void(const mapsearch::Hit&)> chosen) { chosen_ = std::move(chosen); }

  // Runs the search of the field's text and lists the hits.
  void search();
  // Hands the hit of the list's line `row` on.
  void choose(int row);

  QLineEdit* Suchtext;
  QListWidget* Treffer;
  QLabel* Anzahl;  // how many hits, or that there are none

 private:
  Search search_;
  LineOf lineOf_;
  std::function<void(const mapsearch::Hit&)> chosen_;
  QList<mapsearch::Hit> hits_;
};
