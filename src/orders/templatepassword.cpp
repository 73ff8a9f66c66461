#include "orders/templatepassword.h"

namespace templatepassword {

namespace {

// The words of a line split at blanks, a quoted text kept as one word with its quotes.
QStringList words(const QString& line) {
  QStringList out;
  const QString text = line.trimmed();
  qsizetype i = 0;
  while (i < text.size()) {
    while (i < text.size() && text.at(i).isSpace()) ++i;
    if (i >= text.size()) break;
    qsizetype end = i;
    if (text.at(i) == u'"') {
      end = text.indexOf(u'"', i + 1);
      end = end < 0 ? text.size() : end + 1;
    } else {
      while (end < text.size() && !text.at(end).isSpace()) ++end;
    }
    out << text.mid(i, end - i);
    i = end;
  }
  return out;
}

QString unquoted(const QString& word) {
  if (!word.startsWith(u'"')) return word;
  return word.endsWith(u'"') && word.size() > 1 ? word.mid(1, word.size() - 2) : word.mid(1);
}

}  // namespace

int partyLine(const QStringList& lines) {
  for (int i = 0; i < lines.size(); ++i) {
    const QStringList w = words(lines.at(i));
    if (!w.isEmpty() && w.first().compare(QLatin1String("PARTEI"), Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

QString passwordOf(const QString& partyLine) {
  const QStringList w = words(partyLine);
  return w.size() < 3 ? QString() : unquoted(w.at(2));
}

bool hasPassword(const QStringList& lines) {
  const int line = partyLine(lines);
  return line >= 0 && !passwordOf(lines.at(line)).trimmed().isEmpty();
}

std::optional<QStringList> withPassword(const QStringList& lines, const QString& password) {
  const int line = partyLine(lines);
  if (line < 0) return std::nullopt;
  const QStringList w = words(lines.at(line));
  if (w.size() >= 3 && unquoted(w.at(2)) == password) return std::nullopt;
  // The line keeps its leading blanks and its id; what stood after the password stays.
  const QString& old = lines.at(line);
  QStringList rebuilt = {w.first(), w.value(1), QLatin1Char('"') + password + QLatin1Char('"')};
  rebuilt += w.mid(3);
  QStringList out = lines;
  out[line] = old.left(old.indexOf(w.first())) + rebuilt.join(QLatin1Char(' '));
  return out;
}

QString missingPasswordWarning() {
  return QStringLiteral("Die Zugvorlage hat kein Passwort. Ohne Passwort verwirft der Server alle Befehle dieser Partei.");
}

QString missingPasswordQuestion() {
  return missingPasswordWarning() + QStringLiteral(" Passwort in den Optionen eintragen?");
}

}  // namespace templatepassword
