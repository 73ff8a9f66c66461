#include "orders/templatelist.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "game/gamesession.h"

namespace templatelist {

NameParts parseName(const QString& fileName, int slot) {
  // "Zug-Spiel<slot>-<year>-<first word>[-<round>|-alt][-<copy>].txt"; the
  // first word of the date holds no "-".
  static const QRegularExpression pattern(
      QStringLiteral("^Zug-Spiel(\\d+)-[^-]*-[^-]*?(?:-(\\d+|alt)(?:-\\d+)?)?\\.txt$"));
  NameParts parts;
  const QRegularExpressionMatch m = pattern.match(fileName);
  if (!m.hasMatch() || m.captured(1) != QString::number(slot)) return parts;
  parts.isTemplate = true;
  const QString round = m.captured(2);
  parts.kept = !round.isEmpty();
  if (parts.kept && round != QLatin1String("alt")) parts.keptRound = round.toInt();
  return parts;
}

QList<Entry> list(const GameSession& session) {
  QList<Entry> out;
  const QDir dir(session.programPath);
  const QFileInfoList files =
      dir.entryInfoList({QStringLiteral("Zug-Spiel%1-*.txt").arg(session.slot)}, QDir::Files | QDir::Readable);
  for (const QFileInfo& info : files) {
    const NameParts parts = parseName(info.fileName(), session.slot);
    if (!parts.isTemplate) continue;
    out << Entry{info.absoluteFilePath(), info.fileName(), parts.keptRound, parts.kept, info.lastModified()};
  }
  std::stable_sort(out.begin(), out.end(), [](const Entry& a, const Entry& b) {
    if (a.modified != b.modified) return a.modified > b.modified;
    return a.fileName < b.fileName;
  });
  return out;
}

QString label(const Entry& entry) {
  QString round;
  if (entry.kept)
    round = entry.keptRound > 0 ? QStringLiteral("aufbewahrt, Runde %1").arg(entry.keptRound)
                                : QStringLiteral("aufbewahrt, Runde unbekannt");
  else
    round = QStringLiteral("Zugvorlage der Runde");
  return QStringLiteral("%1 (%2) – %3").arg(entry.fileName, round, entry.modified.toString(QStringLiteral("dd.MM.yyyy HH:mm")));
}

}  // namespace templatelist
