#pragma once
// Colours orders as they are typed (Zugvorlage and Befehlseditor): frame
// lines, keywords, quoted texts, comments, comment orders and "@" each in
// their own colour, an unknown keyword underlined as an error. Only the
// changed block is coloured again.
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include "orders/orderspans.h"

class OrdersHighlighter : public QSyntaxHighlighter {
  Q_OBJECT
 public:
  explicit OrdersHighlighter(QTextDocument* document);
  static QTextCharFormat formatFor(orderspans::Kind kind);

 protected:
  void highlightBlock(const QString& text) override;
};
