#pragma once
// zendral.cfg: six blocks of 23 lines, one block per game slot.
#include <QString>
#include <QStringList>

#include "game/zendralerror.h"

// zendral.cfg missing, short or with a bad line, with the file (and line) named.
class ConfigError : public ZendralError {
 public:
  explicit ConfigError(const QString& message) : ZendralError(message) {}
};

class ConfigFile {
 public:
  static constexpr int kSlots = 6;
  static constexpr int kBlockLines = 23;
  static constexpr int kMinLines = kSlots * kBlockLines;  // 138

  // Line offsets inside a slot block.
  enum Line {
    Header = 0, SlotName = 1, GameTypeText = 2, PartyName = 3, PartyNumber = 4, NewestRound = 5,
    ProgramPath = 6, OriginX = 7, OriginY = 8, HomeX = 9, HomeY = 10, IdBase = 11, Umlaute = 12,
    StatusFirst = 13,  // thirteen to twenty-one: the nine status fields
    CheckerPath = 22
  };

  static QString fileName() { return QStringLiteral("zendral.cfg"); }
  static int offset(int slot) { return kBlockLines * (slot - 1); }

  ConfigFile() = default;
  explicit ConfigFile(QStringList lines, QString path = QString());

  // Reads the whole file; throws ConfigError naming the file when it is
  // missing or has fewer than 138 lines.
  static ConfigFile load(const QString& path);
  // Writes the whole file atomically; throws ConfigError on failure.
  void save(const QString& path) const;
  void save() const { save(path_); }

  const QString& path() const { return path_; }
  const QStringList& lines() const { return lines_; }
  int lineCount() const { return int(lines_.size()); }

  QString line(int index) const;
  void setLine(int index, const QString& text);
  // Strict decimal integer; ConfigError naming the file and line otherwise.
  qint32 intLine(int index) const;

  QString slotLine(int slot, int line) const { return this->line(offset(slot) + line); }
  qint32 slotInt(int slot, int line) const { return intLine(offset(slot) + line); }
  void setSlotLine(int slot, int line, const QString& text) { setLine(offset(slot) + line, text); }

  // The text of a new file: headers, empty type, numbers where the program
  // reads numbers (identifier base 36) and the program path in every block.
  static QStringList freshLines(const QString& programPath);

 private:
  QStringList lines_;
  QString path_;
};
