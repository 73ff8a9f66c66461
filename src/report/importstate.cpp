#include "report/importstate.h"

#include <cmath>

#include "game/textutil.h"
#include "report/importerror.h"
#include "report/linedecoder.h"
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

const QString& ImportState::line() const { return lineAt(currentLine); }

const QString& ImportState::lineAt(int index) const {
  static const QString empty;
  // A line let go is gone (and may be freed on the decoder's thread right now).
  if (index < releasedLines || index >= lines.size()) return empty;
  if (readyLines) {
    qsizetype ready = readyLines->load(std::memory_order_acquire);
    // A block longer than the window: the decoder must go on to it.
    if (index >= ready && allowedLines) LineDecoder::allow(*allowedLines, index + 1 + lineWindow);
    while (index >= ready) {
      readyLines->wait(ready, std::memory_order_acquire);
      ready = readyLines->load(std::memory_order_acquire);
    }
  }
  return lines.at(index);
}

void ImportState::releaseLinesBefore(int index) {
  // In steps, so that the decoder is woken seldom.
  constexpr int kStep = 4096;
  if (!allowedLines || index - releasedLines < kStep) return;
  const int from = releasedLines;
  releasedLines = index;
  if (releaseMark) {
    // The decoder frees them with the next lines it decodes: the thread that
    // made the strings frees them fastest, and the readers need not wait.
    releaseMark->store(index, std::memory_order_release);
  } else {
    QString* data = lines.data();
    for (int i = from; i < index; ++i) data[i] = QString();
  }
  LineDecoder::allow(*allowedLines, index + lineWindow);
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
