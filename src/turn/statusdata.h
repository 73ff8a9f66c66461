#pragma once
// The status files of a slot: the report pages, the status fields and the
// order template of the newest report, written after every import and read
// back when the slot is opened; and the faction's points statistics row.
#include <QString>
#include <QStringList>

#include "turn/opengame.h"

class ConfigFile;
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

// The files of a read report, into temporaries of `files` (nothing is in
// place before files.commit()): in slot 1 the "zzzz" total line added to the
// Einkommen list; the eleven status files; the slot's name, game type and
// status fields in `config` (loaded by the caller, who may have set more
// lines); and the order template file. Returns the messages of the files
// that could not be written. The statistics row goes with the database
// (writeFactionStatistics, in the import's transaction).
QString saveStatusData(FileTransaction& files, ConfigFile& config, const GameSession& game, ReportPages& pages,
                       const StatusFields& status, const OrderTemplate& orders);

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

// The start of slot 1's income total line in the Einkommen list (kept in
// the status file, not shown on the page).
const QString& incomeTotalMark();
// The Einkommen lines as the page shows them: without the total line.
QStringList shownIncome(const QStringList& lines);

// The report pages with content, by caption, in the order they are shown.
QStringList pagesWithContent(const ReportPages& pages);

}  // namespace statusdata
