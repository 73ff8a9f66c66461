#pragma once
// What the report readers share during one import: the report's lines and
// the current one, the tables, the models they fill, and the values and sums
// one block leaves for the next.
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

#include "game/gamesession.h"
#include "db/keyfilter.h"
#include "db/table.h"
#include "orders/ordertemplate.h"
#include "report/linewindow.h"
#include "report/reportpages.h"
#include "report/starlist.h"
#include "possessions/possessionstree.h"

class Database;

// The seven tables as the import uses them (one object each, statements
// prepared once for the whole import).
struct ImportTables {
  explicit ImportTables(Database& db);
  // Ends every walk and search of the tables, so that the connection holds
  // no read of the file any more.
  void closeAll();
  Table regionen;   // Table1
  Table ebenen;     // Table2
  Table schiffe;    // Table3
  Table burgen;     // Table4
  Table einheiten;  // Table5
  Table statistik;  // Table6
  Table parteien;   // Table7
};

// The progress dialog as the readers see it; the window implements it, the
// headless tool ignores it.
class ImportProgress {
 public:
  virtual ~ImportProgress() = default;
  virtual void setPart(const QString& /*text*/) {}      // "Teilstueck :" (edit1)
  virtual void setLineText(const QString& /*text*/) {}  // first small field (Edit2)
  virtual void setUnitText(const QString& /*text*/) {}  // second small field (Edit3)
  virtual void setPercent(int /*percent*/) {}           // Gauge1, 0..100
  virtual void repaint() {}
};

// What the report's header and its first sections say of the own faction
// and of the server its orders go to.
struct ReportHeaderValues {
  int version = 0;
  QString password;         // ";Passwort"
  QString messagePassword;  // named by the password message of a faction's first reports
  QString ownEmail;         // the own faction's e-mail address
  QString mailTo;           // the server's address for orders (";mailto")
  QString mailCmd;          // the subject it expects (";mailcmd")
  std::optional<QString> ownBanner;  // its banner, when the report gives one
  qint32 recruitCost = 0;
};

// Running sums shown on the status page when the import ends.
struct ImportSums {
  qint64 income = 0;   // "Gesamteinkommen :"
  qint64 units = 0;    // "Einheiten"
  qint64 persons = 0;  // "Personen"
  qint64 silver = 0;   // "Silber"
  // Silver of own units of the current region not yet added to its
  // statistics row (the units of a region follow each other).
  qint64 pendingRegionSilver = 0;
};

// Values of the message block read last (kept between blocks).
struct LastMessage {
  qint64 type = 0;
  qint64 amount = 0;
  QString rendered;
};

struct ImportState {
  ImportState(GameSession& game, ImportTables& tables, ReportPages& pages, StatusFields& status,
              OrderTemplate& orders, PossessionsTree& tree, ImportProgress& progress)
      : game(game), tables(tables), pages(pages), status(status), orders(orders), tree(tree), progress(progress) {}

  GameSession& game;
  ImportTables& tables;
  ReportPages& pages;
  StatusFields& status;
  OrderTemplate& orders;   // RichEdit4
  PossessionsTree& tree;   // TreeView1 of the possessions window
  ImportProgress& progress;

  LineWindow lines;  // the report's lines
  int currentLine = 0;

  ReportHeaderValues header;
  ImportSums sums;
  LastMessage message;

  bool battleFlag = false;
  // Battles of this report whose region had no row yet: x, y and, when the
  // header names it, the level. The region reader marks them when it meets them.
  QList<QList<qint32>> pendingBattles;
  QString buildingCommanders;  // "*building;owner*" entries
  QString shipCaptains;        // "*ship;captain*" entries
  QString regionPosition;      // "x/y" or "x/y/z" of the region read last
  QString itemFieldNames;      // "*Silber*Holz*...*"
  QString skillFieldNames;     // "*Ausdauer*...*"
  StarListIndex itemFieldIndex;   // answers for itemFieldNames
  StarListIndex skillFieldIndex;  // answers for skillFieldNames

  // Keys of the unit, region and statistics rows stored for the game (and,
  // for the statistics, the round) when the read began, plus those it added.
  KeyFilter unitKeys;
  KeyFilter regionKeys;
  KeyFilter statisticsKeys;

  // Faction names by number, looked up once per import: the faction rows are
  // all written before the first unit block. Empty optional: no such row.
  QHash<qint32, std::optional<QString>> factionNames;
  // The possessions tree's label of each faction, made once per import for the same reason.
  QHash<qint32, QString> factionLabels;

  int lineCount() const { return int(lines.size()); }
  bool atEnd() const { return currentLine >= lines.size(); }
  // The current line; empty past the end.
  const QString& line() const { return lines.at(currentLine); }
  const QString& lineAt(int index) const { return lines.at(index); }
  // Lets go of the lines before `index`, which no reader looks at again.
  void releaseLinesBefore(int index) { lines.releaseBefore(index); }

  // Puts the current line into the progress bar (line × 100 / count).
  int percent() const;

  // Raises the import error for the current line, or for another one.
  [[noreturn]] void fail(const QString& reason) const;
  [[noreturn]] void failAt(int lineIndex, const QString& reason) const;
  // Strict decimal integer of `text`, else the import error at the current line.
  qint32 toNumber(QStringView text) const;
  // The numeric value of a line (text before the first ";"), converted strictly.
  qint32 number(const QString& line) const { return toNumber(numberView(line)); }
  qint32 number() const { return number(line()); }
  // The same for report line `index`; the error names that line, which need
  // not be the current one.
  qint32 numberAt(int index) const;

  // Text before the first ";" (empty when there is none).
  static QString numberText(const QString& line);
  // The same as a view into the line, for a value that is only converted.
  static QStringView numberView(const QString& line) {
    const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
    return semicolon < 0 ? QStringView() : QStringView(line).left(semicolon);
  }
  // Text from the second character up to the first `";` (empty when none).
  static QString textValue(const QString& line);
};
