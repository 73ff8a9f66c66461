#pragma once
// Completion in an orders editor (QCompleter): on Ctrl+Space, and after a
// keyword and a blank when there is something to offer. The list comes
// from ordercompletion; this class shows it and inserts the choice.
#include <QObject>
#include <functional>

#include "orders/ordersknowledge.h"

class QCompleter;
class QPlainTextEdit;
class QStandardItemModel;

class OrdersCompleter : public QObject {
  Q_OBJECT
 public:
  explicit OrdersCompleter(QPlainTextEdit* editor);

  // The names and units the list offers; the region of the cursor's line
  // picks the units.
  void setKnowledge(const ordersknowledge::GameKnowledge& known) { known_ = known; }
  // Opens the list at the cursor; false when there is nothing to offer.
  bool complete();
  QCompleter* completer() const { return completer_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void insert(const QString& text);
  QList<ordersknowledge::UnitEntry> unitsHere() const;

  QPlainTextEdit* editor_;
  QCompleter* completer_;
  QStandardItemModel* model_;
  ordersknowledge::GameKnowledge known_;
  int prefixStart_ = 0;  // in the cursor's line
};
