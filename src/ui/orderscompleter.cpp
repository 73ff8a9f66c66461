#include "ui/orderscompleter.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTextBlock>

#include "orders/ordercompletion.h"

OrdersCompleter::OrdersCompleter(QPlainTextEdit* editor) : QObject(editor), editor_(editor) {
  known_.check = ordersknowledge::namesFromSchema(1);
  model_ = new QStandardItemModel(this);
  completer_ = new QCompleter(model_, this);
  completer_->setObjectName(QStringLiteral("OrdersCompleter"));
  completer_->setWidget(editor_);
  completer_->setCompletionMode(QCompleter::PopupCompletion);
  completer_->setCaseSensitivity(Qt::CaseInsensitive);
  // The list is already cut to the typed word; the completer shows it whole.
  completer_->setCompletionRole(Qt::UserRole);
  connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
          [this](const QModelIndex& index) { insert(index.data(Qt::UserRole + 1).toString()); });
  editor_->installEventFilter(this);
  // Filters installed last run first: Enter on the list inserts the choice
  // here and does not reach the editor as a line break.
  completer_->popup()->installEventFilter(this);
  // Typing on while the list is open narrows it.
  connect(editor_, &QPlainTextEdit::textChanged, this, [this] {
    if (completer_->popup()->isVisible()) complete();
  });
}

QList<ordersknowledge::UnitEntry> OrdersCompleter::unitsHere() const {
  const int line = editor_->textCursor().blockNumber();
  QStringList lines;
  // Only the lines up to the cursor matter for the region above it.
  for (QTextBlock b = editor_->document()->firstBlock(); b.isValid() && b.blockNumber() <= line; b = b.next())
    lines << b.text();
  return ordercompletion::unitsAtLine(lines, line, known_);
}

bool OrdersCompleter::complete() {
  const QTextCursor cursor = editor_->textCursor();
  const QString before = cursor.block().text().left(cursor.positionInBlock());
  const ordercompletion::Offer offer = ordercompletion::offerAt(before, known_.check, unitsHere());
  if (offer.candidates.isEmpty()) {
    completer_->popup()->hide();
    return false;
  }
  model_->clear();
  for (const ordercompletion::Candidate& c : offer.candidates) {
    auto* item = new QStandardItem(c.label);
    item->setData(QString(), Qt::UserRole);  // every entry fits the empty completion prefix
    item->setData(c.text, Qt::UserRole + 1);
    model_->appendRow(item);
  }
  prefixStart_ = offer.prefixStart;
  completer_->setCompletionPrefix(QString());
  QRect rect = editor_->cursorRect();
  rect.setWidth(completer_->popup()->sizeHintForColumn(0) + completer_->popup()->verticalScrollBar()->sizeHint().width());
  completer_->complete(rect);
  completer_->popup()->setCurrentIndex(completer_->completionModel()->index(0, 0));
  return true;
}

void OrdersCompleter::insert(const QString& text) {
  QTextCursor cursor = editor_->textCursor();
  const int blockStart = cursor.block().position();
  cursor.setPosition(blockStart + prefixStart_, QTextCursor::KeepAnchor);
  cursor.insertText(text);
  editor_->setTextCursor(cursor);
}

bool OrdersCompleter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == completer_->popup() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab) {
      const QModelIndex current = completer_->popup()->currentIndex();
      completer_->popup()->hide();
      if (current.isValid()) insert(current.data(Qt::UserRole + 1).toString());
      return true;
    }
    return false;
  }
  if (watched != editor_ || event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Space && (key->modifiers() & Qt::ControlModifier)) {
    complete();
    return true;
  }
  if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
    // The blank goes in first; then the list opens when the word before it asks for one.
    editor_->textCursor().insertText(QStringLiteral(" "));
    const QTextCursor cursor = editor_->textCursor();
    const QString before = cursor.block().text().left(cursor.positionInBlock());
    if (ordercompletion::opensAfterBlank(before, known_.check, unitsHere()))
      complete();
    else
      completer_->popup()->hide();
    return true;
  }
  return QObject::eventFilter(watched, event);
}
