// Reading one report into the open game, as one database transaction.
#include <QFile>
#include <limits>

#include "game/filetransaction.h"
#include "game/textutil.h"
#include "db/database.h"
#include "db/dbbackup.h"
#include "db/dberror.h"
#include "report/blockreaders.h"
#include "report/importerror.h"
#include "report/importstate.h"
#include "report/largebuffer.h"
#include "report/linedecoder.h"
#include "report/reportfile.h"
#include "report/reportbody.h"
#include "report/reportheader.h"
#include "orders/serveraccess.h"
#include "orders/templatefile.h"
#include "turn/reportimporter.h"
#include "turn/versionquestion.h"
#include "game/configfile.h"
#include "turn/gameopening.h"
#include "turn/statusdata.h"
#include "report/starlist.h"
#include "stats/pointsstatistics.h"
#include "stats/summaries.h"

namespace {

class NoProgress : public ImportProgress {};

// Lines the decoder keeps ahead of the block walk.
constexpr qsizetype kLineWindow = 1 << 16;

// Counts of what the report holds, for the headless tool's summary.
void takeCounts(const ReportBlockCounts& c, ImportOutcome& out) {
  out.regions = c.regions;
  out.units = c.units;
  out.buildings = c.buildings;
  out.ships = c.ships;
  out.factions = c.factions;
  out.messages = c.messages;
}

// The slot's newest round: the settings keep it even after an older report
// was read; without readable settings the open game's round.
qint32 newestRound(const GameSession& session) {
  try {
    const ConfigFile config = ConfigFile::load(session.path(ConfigFile::fileName()));
    return std::max(session.roundCode, config.slotInt(session.slot, ConfigFile::NewestRound));
  } catch (const ConfigError&) {
    return session.roundCode;
  }
}

// The template file the import is about to replace may hold the player's
// orders of another week of the same month (the file name knows only year and
// month): keep it under its round's name first.
templatefile::Kept keepOldTemplate(const OpenGame& game, const OpenGame& staged) {
  const QString newPath = templatefile::filePath(staged.session, staged.status.datum);
  const bool sameFile = !game.status.datum.isEmpty() && templatefile::filePath(game.session, game.status.datum) == newPath;
  return templatefile::keepBeforeReplacing(newPath, sameFile ? game.session.roundCode : 0, staged.orders.lines());
}

// A file of the round (or the backup) that could not be written: the import
// is undone.
class FilesNotWritten : public ZendralError {
 public:
  explicit FilesNotWritten(const QString& message) : ZendralError(message) {}
};

// Runs a step that writes a file of the round, the backup or the commit: its
// failure undoes the import as a file not written.
template <typename Step>
void writeOrUndo(Step step) {
  try {
    step();
  } catch (const ZendralError& e) {
    throw FilesNotWritten(e.message());
  }
}

// The files of a read report: the slot settings and status fields in
// zendral.cfg, the summaries into the status files, the template and the
// possessions file, all into temporaries of `files`. Runs before the
// database is committed, so that a file that cannot be written undoes the
// whole import.
void stageAfterImport(OpenGame& staged, int version, const ImportCallbacks& callbacks, FileTransaction& files) {
  auto tell = [&](const QString& message) {
    if (callbacks.inform) callbacks.inform(message);
  };
  GameSession& session = staged.session;
  ConfigFile config;
  writeOrUndo([&] {
    config = ConfigFile::load(session.path(ConfigFile::fileName()));
    gameopening::applyAktuelleOptionen(config, session);
  });
  if ((session.isMolvanth() && version < 43) || !session.isMolvanth()) {
    const auto income = summaries::summiereEinkommen(session, staged.pages, staged.status);
    if (!income.ok) tell(summaries::einkommenFehlerBeimEinlesen(income.currentLine));
  }
  if (session.isMolvanth()) {
    const auto orcs = summaries::summiereOrkvermehrung(staged.pages, staged.status);
    if (!orcs.ok) tell(summaries::orkFehlerBeimEinlesen());
  }
  QStringList errors;
  const QString statusError =
      statusdata::saveStatusData(files, config, session, staged.pages, staged.status, staged.orders);
  if (!statusError.isEmpty()) errors << statusError;
  const QString treePath = session.statusPath(QStringLiteral("%1-besitz.%2").arg(session.slot).arg(session.roundCode));
  const QString treeError = files.stageLines(treePath, staged.tree.toLines());
  if (!treeError.isEmpty()) errors << treeError;
  if (!errors.isEmpty()) throw FilesNotWritten(errors.join(QLatin1Char('\n')));
}

// What follows the commit: the points table and the production summary.
QStringList afterImport(OpenGame& staged, const ImportCallbacks& callbacks) {
  QStringList errors;
  GameSession& session = staged.session;
  if (callbacks.progress) callbacks.progress->setPart(QStringLiteral("Gesamtproduktionsdaten werden berechnet"));
  try {
    zeigePunkteStatistik(*staged.db, session.slot, session.ownPartyNumber, staged.points);
  } catch (const DbError& e) {
    errors << e.message();
  }
  const auto production = summaries::summiereProduktion(staged.pages, staged.status);
  if (!production.ok && callbacks.inform) callbacks.inform(summaries::produktionFehler(production.currentLine));
  return errors;
}

}  // namespace

ImportOutcome importReport(OpenGame& game, const QString& path, const ImportCallbacks& callbacks) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ImportOutcome out;
    out.message = QStringLiteral("Die Datei %1 konnte nicht geöffnet werden: %2").arg(path, file.errorString());
    return out;
  }
  // Read into a buffer of the file's size, backed by large pages where
  // possible; whatever the size did not cover follows as usual.
  QByteArray bytes;
  const qint64 size = file.size();
  if (size > 0 && size < std::numeric_limits<qsizetype>::max()) {
    bytes = QByteArray(qsizetype(size), Qt::Uninitialized);
    largebuffer::adviseLargePages(bytes.data(), size_t(size));
    const qint64 got = file.read(bytes.data(), size);
    bytes.resize(qsizetype(std::max<qint64>(got, 0)));
  }
  bytes += file.readAll();
  return importReportData(game, std::move(bytes), path, callbacks);
}

ImportOutcome importReportData(OpenGame& game, QByteArray bytes, const QString& path,
                               const ImportCallbacks& callbacks) {
  ImportOutcome out;
  NoProgress silent;
  ImportProgress& progress = callbacks.progress ? *callbacks.progress : silent;
  if (!game.db || !game.db->isOpen()) {
    out.message = QStringLiteral("Es ist keine Datenbank geöffnet.");
    return out;
  }

  // Everything is read into a copy of the open game and taken over only when
  // the whole report was read, so a failed import leaves the pages as they were.
  OpenGame staged;
  staged.session = game.session;
  staged.status = game.status;
  staged.db = game.db;
  staged.orders.setUnsaved(game.orders.unsaved());
  staged.points = game.points;

  ImportTables tables(*game.db);
  ImportState s(staged.session, tables, staged.pages, staged.status, staged.orders, staged.tree, progress);

  progress.setPart(QString());
  progress.setPercent(0);
  staged.status.resetImportCounters();

  if (bytes.size() > qsizetype(std::numeric_limits<quint32>::max())) {
    out.message = QStringLiteral("Der CR %1 ist mit über 4 GB zu groß zum Einlesen.").arg(path);
    return out;
  }
  // The readers start on the first lines while the rest is still decoded.
  LineDecoder decoder(std::move(bytes), s.lines, kLineWindow);
  staged.pages.cleanup();
  progress.repaint();

  FileTransaction files;
  QStringList fileErrors;
  try {
    if (s.lines.isEmpty()) s.fail(QStringLiteral("Die Datei ist leer."));
    s.header.version = reportheader::readVersion(s);
    if (!versionquestion::mayRead(staged.session, s.header.version, callbacks)) {
      // A refused report changes nothing the player sees: the counters
      // stay as the last report left them, as the tables do.
      out.status = ImportOutcome::Status::Refused;
      out.message = QStringLiteral("Einlesen abgebrochen: CR-Version %1 wird nicht ohne Rückfrage gelesen.").arg(s.header.version);
      return out;
    }
    s.currentLine = 1;
    if (reportheader::readHeader(s) == reportheader::HeaderResult::WrongGameType) {
      out.status = ImportOutcome::Status::Refused;
      out.message = reportheader::wrongGameTypeMessage();
      if (callbacks.inform) callbacks.inform(out.message);
      return out;
    }
    // An older report would turn the pages, date and template back a round.
    const qint32 newest = newestRound(game.session);
    if (newest > 0 && staged.session.roundCode < newest) {
      const QString question = reportheader::olderRoundQuestion(staged.session.roundCode, newest, staged.session.isMolvanth());
      const auto& ask = callbacks.askOlder ? callbacks.askOlder : callbacks.askYesNo;
      if (!(ask && ask(question))) {
        out.status = ImportOutcome::Status::Refused;
        out.message = QStringLiteral("Einlesen abgebrochen: der CR ist älter als der zuletzt eingelesene.");
        return out;
      }
    }
    staged.status.parteiName = staged.session.ownPartyName;
    staged.tree.clear();
    staged.tree.addTopLevel(QStringLiteral("Besitztümer"));

    // The database as it was before this report, for the way back when the
    // file is damaged later.
    writeOrUndo([&] { dbbackup::make(*game.db); });
    game.db->begin();
    reportbody::writeOwnFactionRow(s);
    readSections(s);
    // Today's servers name the password only in a new faction's first
    // reports; later templates take the one the slot kept.
    const serveraccess::Access knownAccess = serveraccess::load(staged.session);
    s.header.password = serveraccess::resolvePassword(s.header.password, s.header.messagePassword, knownAccess.password);
    serveraccess::Access access = serveraccess::resolve(s.header.password, s.header.mailTo, s.header.mailCmd, knownAccess);
    // What the slot knows from a newer report stays; an older one only fills gaps.
    if (newest > 0 && staged.session.roundCode < newest) access = serveraccess::preferKnown(access, knownAccess);
    s.header.password = access.password;
    reportbody::startTemplate(s);
    reportbody::loadKeyFilters(s);
    s.itemFieldNames = itemFieldNames(tables.einheiten);
    s.skillFieldNames = skillFieldNames(tables.einheiten);
    reportbody::walkBlocks(s);

    staged.orders.add(QString());
    staged.orders.add(QStringLiteral(" NAECHSTER"));
    staged.orders.add(QString());
    staged.orders.setUnsaved(false);
    progress.setPart(QStringLiteral("Erstellen der Zugvorlage beendet"));

    staged.status.gesamteinkommen = QString::number(s.sums.income);
    staged.status.einheiten = QString::number(s.sums.units);
    staged.status.personen = QString::number(s.sums.persons);
    staged.status.silber = QString::number(s.sums.silver);

    decoder.finish();

    // The faction's statistics row belongs to the same transaction. A status
    // field of the report that is no number is the report's fault, not the
    // table's; it names no line, the fields come from several.
    const QString statisticsError = statusdata::writeFactionStatistics(tables.statistik, staged.session, staged.status);
    if (!statisticsError.isEmpty()) throw ImportError(statisticsError, -1, QString());

    // The database is committed only when every file of the round is
    // written; the files take their places after it (renames need no space).
    const templatefile::Kept kept = keepOldTemplate(game, staged);
    if (!kept.error.isEmpty()) throw FilesNotWritten(kept.error);
    out.keptTemplate = kept.path.isEmpty() ? QString() : templatefile::keptMessage(kept);
    stageAfterImport(staged, s.header.version, callbacks, files);
    if (const QString error = serveraccess::stage(files, staged.session, access, knownAccess); !error.isEmpty())
      throw FilesNotWritten(error);
    writeOrUndo([&] { game.db->commit(); });
    const QString placeError = files.commit();
    if (!placeError.isEmpty()) fileErrors << placeError;
    templatefile::rememberDisk(staged.orders, templatefile::filePath(staged.session, staged.status.datum));
  } catch (const FilesNotWritten& e) {
    game.db->rollback();
    files.discard();
    out.message = QStringLiteral("Der CR %1 wurde nicht eingelesen.\n%2\nDie Datenbank, die Statusdateien, die Zugvorlage "
                                 "und %3 sind unverändert.")
                      .arg(path, e.message(), ConfigFile::fileName());
    return out;
  } catch (const ImportError& e) {
    game.db->rollback();
    out.message = QStringLiteral("Der CR %1 konnte nicht eingelesen werden. %2 Die Datenbank ist unverändert.")
                      .arg(path, e.message());
    return out;
  } catch (const DbError& e) {
    game.db->rollback();
    const QString where = s.atEnd() ? QString()
                                    : QStringLiteral(" (Zeile %1: „%2“)").arg(s.currentLine + 1).arg(s.line().left(200));
    out.message = QStringLiteral("Der CR %1 konnte nicht eingelesen werden%2: %3 Die Datenbank ist unverändert.")
                      .arg(path, where, e.message());
    return out;
  } catch (const std::exception& e) {
    // Whatever else goes wrong (memory, say), the player's data stay as they were.
    game.db->rollback();
    out.message = QStringLiteral("Der CR %1 konnte nicht eingelesen werden (Zeile %2): %3 Die Datenbank ist unverändert.")
                      .arg(path)
                      .arg(s.currentLine + 1)
                      .arg(QString::fromLocal8Bit(e.what()));
    return out;
  }

  // The log of a large import is copied into the file while the status files are written.
  tables.closeAll();
  game.db->checkpointInBackground();
  takeCounts(decoder.counts(), out);
  s.lines.clear();
  fileErrors << afterImport(staged, callbacks);

  game.session = staged.session;
  game.pages = std::move(staged.pages);
  game.status = std::move(staged.status);
  game.orders = std::move(staged.orders);
  game.tree = std::move(staged.tree);
  game.points = std::move(staged.points);
  out.status = ImportOutcome::Status::Read;
  out.message = fileErrors.join(QLatin1Char('\n'));
  return out;
}
