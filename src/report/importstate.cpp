#include "report/importstate.h"

#include <cmath>

#include "game/textutil.h"
#include "report/importerror.h"
#include "report/reportlines.h"

ImportTables::ImportTables(Database& db)
    : regionen(db, QStringLiteral("regionen")),
      ebenen(db, QStringLiteral("ebenen")),
      schiffe(db, QStringLiteral("schiffe")),
      burgen(db, QStringLiteral("burgen")),
      einheiten(db, QStringLiteral("einheiten")),
      statistik(db, QStringLiteral("statistik")),
      parteien(db, QStringLiteral("parteien")) {}

void ImportTables::closeAll() {
  for (Table* t : {&regionen, &ebenen, &schiffe, &burgen, &einheiten, &statistik, &parteien}) t->close();
}

int ImportState::percent() const {
  if (lines.isEmpty()) return 0;
  return int(std::lround(double(currentLine) * 100.0 / double(lines.size())));
}

void ImportState::fail(const QString& reason) const { throw ImportError(reason, currentLine, line()); }

void ImportState::failAt(int lineIndex, const QString& reason) const {
  throw ImportError(reason, lineIndex, lineAt(lineIndex));
}

qint32 ImportState::toNumber(QStringView text) const {
  const auto value = textutil::strictInt(text);
  if (!value) fail(QStringLiteral("„%1“ ist keine gültige ganze Zahl.").arg(text.toString()));
  return *value;
}

qint32 ImportState::numberAt(int index) const {
  const QString& line = lineAt(index);
  const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
  const QStringView text = semicolon < 0 ? QStringView() : QStringView(line).left(semicolon);
  const auto value = textutil::strictInt(text);
  if (!value) failAt(index, QStringLiteral("„%1“ ist keine gültige ganze Zahl.").arg(text.toString()));
  return *value;
}

QString ImportState::numberText(const QString& line) {
  const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
  return semicolon < 0 ? QString() : line.left(semicolon);
}

QString ImportState::textValue(const QString& line) {
  // The value ends at the first quote followed by ";" that is not written
  // as \" (a plain scan: the general substring search costs more for such
  // short lines).
  const QChar* d = line.constData();
  const qsizetype n = line.size();
  qsizetype end = -1;
  bool escaped = false;
  for (qsizetype i = 0; i + 1 < n; ++i) {
    if (d[i] == u'\\' && i > 0) {
      escaped = true;
      ++i;  // the escaped character is text
      continue;
    }
    if (d[i] == u'"' && d[i + 1] == u';') {
      end = i;
      break;
    }
  }
  if (end < 1) return QString();
  const QStringView text = QStringView(line).mid(1, end - 1);
  return escaped ? reportlines::unescape(text) : text.toString();
}
