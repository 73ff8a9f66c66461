#pragma once
// The status files of a slot: the report pages, the status fields and the
// order template of the newest report, written after every import and read
// back when the slot is opened; and the faction's points statistics row.
#include <QString>
#include <QStringList>

#include "turn/opengame.h"

class ConfigFile;
class Database;
class FileTransaction;
class Table;

namespace statusdata {

// The faction's statistics row of the report's round in statistik
// (Spiel, Breite = own faction, Länge = 5000, Datum = round code). Written
// once: an existing row of the round is left as it is. Molvanth rows carry
// the points, both games silver and persons. Returns an empty text, or the
// German message when a status field is not a decimal integer; a failing
// table throws DbError naming the row. Nothing is written then. Runs inside
// the caller's transaction.
QString writeFactionStatistics(Table& statistik, const GameSession& game, const StatusFields& status);
// The same with the table's failure as the returned message.
QString writeFactionStatistics(Database& db, const GameSession& game, const StatusFields& status);

// The eleven status files and the slot's name, game type and status fields
// in `config` (loaded by the caller, who may have set more lines), written
// into temporaries of `files`; nothing is in place before files.commit().
// In slot 1 the "zzzz" total line is added to the Einkommen list. Returns
// the messages of the files that could not be written.
QString stageStatusFiles(FileTransaction& files, ConfigFile& config, const GameSession& game, ReportPages& pages,
                         const StatusFields& status);

// The files of the save: in slot 1 the "zzzz" total line is added to the
// Einkommen list; the eleven status files, the slot's name, game type and
// status fields in zendral.cfg, and the order template file are written.
// The status files and zendral.cfg are put in place together or not at all;
// the template is saved on its own. The messages of the parts that failed
// come back joined by line breaks (empty when all went through). The template's
// unsaved flag is cleared when its file was written and set when not.
QString saveStatusFiles(const GameSession& game, ReportPages& pages, const StatusFields& status,
                        OrderTemplate& orders);

// Both parts over the open game: the files, then the statistics row.
QString saveStatusData(OpenGame& game);

struct StatusLoad {
  QString error;            // not empty: the opening ends with this message
  QStringList shownPages;   // captions of the report pages that have content
  QStringList messages;     // shown to the player; loading went on
  bool ok() const { return error.isEmpty(); }
};

// Reads the slot's status files into the pages (a missing file of a fresh
// slot reads as empty), the status fields from zendral.cfg, runs the
// summaries, loads the order template when "Datum" is set and marks the
// template as saved.
StatusLoad loadStatusData(OpenGame& game);

// The report pages with content, by caption, in the order they are shown.
QStringList pagesWithContent(const ReportPages& pages);

}  // namespace statusdata
