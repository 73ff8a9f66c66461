#include "orders/templatefile.h"

#include "app/filetransaction.h"
#include "app/gamesession.h"
#include "app/textutil.h"
#include "orders/ordertemplate.h"

namespace templatefile {

QString fileName(int slot, const QString& datum) {
  const qsizetype jahre = datum.indexOf(QLatin1StringView("Jahre"));
  // Without "Jahre" the year is taken from the 6th character on.
  const QString year = datum.mid(jahre < 0 ? 5 : jahre + 6);
  const qsizetype blank = datum.indexOf(QLatin1Char(' '));
  const QString firstWord = blank < 0 ? QString() : datum.left(blank);
  return QStringLiteral("Zug-Spiel%1-%2-%3.txt").arg(slot).arg(year, firstWord);
}

QString filePath(const GameSession& game, const QString& datum) { return game.path(fileName(game.slot, datum)); }

QString saveTo(OrderTemplate& orders, const QString& path) {
  const QString error = textutil::writeLinesAtomic(path, orders.lines());
  orders.setUnsaved(!error.isEmpty());
  if (!error.isEmpty()) return QStringLiteral("Die Zugvorlage wurde nicht gespeichert. ") + error;
  return QString();
}

QString stage(FileTransaction& files, const OrderTemplate& orders, const GameSession& game, const QString& datum) {
  const QString error = files.stageLines(filePath(game, datum), orders.lines());
  if (!error.isEmpty()) return QStringLiteral("Die Zugvorlage wurde nicht gespeichert. ") + error;
  return QString();
}

QString save(OrderTemplate& orders, const GameSession& game, const QString& datum) {
  return saveTo(orders, filePath(game, datum));
}

bool autosaveDue(const OrderTemplate& orders) { return orders.unsaved(); }

AutosaveOutcome autosave(OrderTemplate& orders, const GameSession& game, const QString& datum) {
  AutosaveOutcome out;
  if (!autosaveDue(orders)) return out;
  out.wrote = true;
  out.error = save(orders, game, datum);
  return out;
}

QString saveAs(OrderTemplate& orders, const QString& chosenPath) {
  if (chosenPath.isEmpty()) return QString();
  const QString error = textutil::writeLinesAtomic(chosenPath, orders.lines());
  if (!error.isEmpty()) return QStringLiteral("Die Zugvorlage wurde nicht gespeichert. ") + error;
  orders.setUnsaved(false);
  return QString();
}

std::optional<QStringList> load(const QString& path) { return textutil::readLines(path); }

qsizetype findNext(const QString& text, const QString& searchText, qsizetype selectionStart,
                   qsizetype selectionLength) {
  if (searchText.isEmpty()) return -1;
  const qsizetype start = selectionLength > 0 ? selectionStart + selectionLength : 0;
  if (start < 0 || start > text.size()) return -1;
  return text.indexOf(searchText, start, Qt::CaseSensitive);
}

}  // namespace templatefile
