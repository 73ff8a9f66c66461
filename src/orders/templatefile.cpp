#include "orders/templatefile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include "game/filetransaction.h"
#include "game/gamesession.h"
#include "game/textutil.h"
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
  rememberDisk(orders, path);
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
  const QString path = filePath(game, datum);
  if (changedOnDisk(orders, path)) {
    out.skipped = QStringLiteral("Automatisches Speichern ausgelassen: %1 wurde von einem anderen Programm geändert. "
                                 "Bitte „Zugvorlage Speichern“ wählen.")
                      .arg(path);
    return out;
  }
  out.wrote = true;
  out.error = saveTo(orders, path);
  return out;
}

QString saveAs(OrderTemplate& orders, const QString& chosenPath) {
  if (chosenPath.isEmpty()) return QString();
  const QString error = textutil::writeLinesAtomic(chosenPath, orders.lines());
  if (!error.isEmpty()) return QStringLiteral("Die Zugvorlage wurde nicht gespeichert. ") + error;
  orders.setUnsaved(false);
  return QString();
}

namespace {

OrderTemplate::DiskStamp stampOf(const QString& path) {
  OrderTemplate::DiskStamp stamp;
  stamp.path = path;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return stamp;
  stamp.exists = true;
  QCryptographicHash hash(QCryptographicHash::Sha1);
  hash.addData(&file);
  stamp.hash = hash.result();
  return stamp;
}

}  // namespace

QString keptName(const QString& path, qint32 heldRound, int copy) {
  const QString stem = path.endsWith(QLatin1String(".txt")) ? path.chopped(4) : path;
  const QString round = heldRound > 0 ? QString::number(heldRound) : QStringLiteral("alt");
  const QString number = copy > 1 ? QStringLiteral("-%1").arg(copy) : QString();
  return QStringLiteral("%1-%2%3.txt").arg(stem, round, number);
}

Kept keepBeforeReplacing(const QString& path, qint32 heldRound, const QStringList& newLines) {
  Kept kept;
  if (!QFileInfo::exists(path)) return kept;
  const std::optional<QStringList> old = load(path);
  if (old && *old == newLines) return kept;
  const QByteArray hash = stampOf(path).hash;
  for (int copy = 1;; ++copy) {
    const QString target = keptName(path, heldRound, copy);
    if (!QFileInfo::exists(target)) {
      // Copied through the safe write: a full disk leaves no cut-off copy.
      QFile source(path);
      const QString error = source.open(QIODevice::ReadOnly) ? safefile::writeBytes(target, source.readAll())
                                                              : source.errorString();
      if (!error.isEmpty()) {
        kept.error = QStringLiteral("Die Zugvorlage %1 konnte nicht nach %2 gesichert werden; sie wird nicht ersetzt. %3")
                         .arg(path, target, error);
        return kept;
      }
      kept.path = target;
      return kept;
    }
    if (stampOf(target).hash == hash) return kept;  // kept before
  }
}

QString keptMessage(const Kept& kept) {
  if (kept.path.isEmpty()) return kept.error;
  return QStringLiteral("Die bisherige Zugvorlage wurde als %1 aufbewahrt.").arg(kept.path);
}

void rememberDisk(OrderTemplate& orders, const QString& path) { orders.setDiskStamp(stampOf(path)); }

bool changedOnDisk(const OrderTemplate& orders, const QString& path) {
  const OrderTemplate::DiskStamp now = stampOf(path);
  const OrderTemplate::DiskStamp& known = orders.diskStamp();
  // A missing file holds nothing to lose; one this run never loaded or
  // saved holds somebody's lines.
  if (!now.exists) return false;
  return known.path != path || !known.exists || now.hash != known.hash;
}

QString reloadFromDisk(OrderTemplate& orders, const QString& path) {
  const std::optional<QStringList> lines = load(path);
  if (!lines) return QStringLiteral("Die Zugvorlage %1 konnte nicht gelesen werden.").arg(path);
  orders.setLines(*lines);
  orders.setUnsaved(false);
  rememberDisk(orders, path);
  return QString();
}

QString changedOnDiskMessage(const QString& path) {
  return QStringLiteral("Die Zugvorlage %1 wurde seit dem letzten Laden oder Speichern von einem anderen Programm "
                        "geändert.\nÜberschreiben oder die Datei von der Festplatte laden?")
      .arg(path);
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
