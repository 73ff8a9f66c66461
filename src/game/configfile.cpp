#include "game/configfile.h"

#include <QFileInfo>

#include "game/textutil.h"

ConfigFile::ConfigFile(QStringList lines, QString path) : lines_(std::move(lines)), path_(std::move(path)) {}

ConfigFile ConfigFile::load(const QString& path) {
  const auto lines = textutil::readLines(path);
  if (!lines)
    throw ConfigError(QStringLiteral("Die Konfigurationsdatei %1 konnte nicht geöffnet werden.").arg(path));
  if (lines->size() < kMinLines)
    throw ConfigError(QStringLiteral("Die Konfigurationsdatei %1 hat nur %2 Zeilen; nötig sind %3 (Zeile %4 fehlt).")
                          .arg(path)
                          .arg(lines->size())
                          .arg(kMinLines)
                          .arg(lines->size() + 1));
  return ConfigFile(*lines, path);
}

void ConfigFile::save(const QString& path) const {
  const QString error = textutil::writeLinesAtomic(path, lines_);
  if (!error.isEmpty()) throw ConfigError(error);
}

QString ConfigFile::line(int index) const {
  if (index < 0 || index >= lines_.size())
    throw ConfigError(QStringLiteral("%1, Zeile %2: die Zeile fehlt (die Datei hat %3 Zeilen).")
                          .arg(path_.isEmpty() ? fileName() : path_)
                          .arg(index + 1)
                          .arg(lines_.size()));
  return lines_.at(index);
}

void ConfigFile::setLine(int index, const QString& text) {
  while (lines_.size() <= index) lines_ << QString();
  lines_[index] = text;
}

qint32 ConfigFile::intLine(int index) const {
  const QString text = line(index);
  const auto value = textutil::strictInt(text);
  if (!value)
    throw ConfigError(QStringLiteral("%1, Zeile %2: „%3“ ist keine ganze Zahl.")
                          .arg(path_.isEmpty() ? fileName() : path_)
                          .arg(index + 1)
                          .arg(text));
  return *value;
}

QStringList ConfigFile::freshLines(const QString& programPath) {
  QStringList lines;
  for (int slot = 1; slot <= kSlots; ++slot) {
    QStringList block(kBlockLines);
    block[Header] = QStringLiteral("; Zendral Spiel %1").arg(slot);
    block[PartyNumber] = QStringLiteral("0");
    block[NewestRound] = QStringLiteral("0");
    block[ProgramPath] = textutil::normalizeDirectory(programPath);
    for (int l : {OriginX, OriginY, HomeX, HomeY, Umlaute}) block[l] = QStringLiteral("0");
    block[IdBase] = QStringLiteral("36");
    lines << block;
  }
  return lines;
}
