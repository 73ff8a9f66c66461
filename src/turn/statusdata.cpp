#include "turn/statusdata.h"

#include <QFileInfo>
#include <algorithm>
#include <optional>

#include "game/configfile.h"
#include "game/filetransaction.h"
#include "turn/reportpagetable.h"
#include "game/textutil.h"
#include "db/database.h"
#include "db/dberror.h"
#include "db/table.h"
#include "orders/templatefile.h"
#include "stats/summaries.h"

namespace statusdata {

namespace {

constexpr int kPartyRowMarker = 5000;  // Länge of a faction row

QString configPath(const GameSession& game) { return game.path(ConfigFile::fileName()); }

// The income total of slot 1 as the Einkommen list's last line; an older
// one from a save before is replaced, not repeated.
void putIncomeTotal(SortedLines& einkommen, const QString& total) {
  QStringList kept;
  for (const QString& line : einkommen.lines())
    if (!line.startsWith(incomeTotalMark())) kept << line;
  einkommen.setLines(kept);
  einkommen.add(incomeTotalMark() + total);
}

struct Converted {
  std::optional<qint32> value;
  QString error;
};

Converted convertField(const QString& caption, const QString& text, qint32 round) {
  Converted c;
  c.value = textutil::strictInt(text);
  if (!c.value)
    c.error = QStringLiteral("Die Statistikzeile der Runde %1 wurde nicht geschrieben: das Statusfeld „%2“ enthält "
                             "„%3“, keine ganze Zahl.")
                  .arg(round)
                  .arg(caption, text);
  return c;
}

// True when the faction already has a row of this round (any level).
bool hasRoundRow(Table& t, const GameSession& game) {
  if (!t.findKey({game.slot, game.ownPartyNumber, kPartyRowMarker})) return false;
  for (; !t.eof(); t.next()) {
    if (t.intValue(QStringLiteral("Spiel")) != game.slot || t.intValue(QStringLiteral("Breite")) != game.ownPartyNumber ||
        t.value(QStringLiteral("Länge")).toDouble() != kPartyRowMarker)
      return false;
    if (!t.isNull(QStringLiteral("Datum")) && t.intValue(QStringLiteral("Datum")) == game.roundCode) return true;
  }
  return false;
}

}  // namespace

QString writeFactionStatistics(Table& t, const GameSession& game, const StatusFields& status) {
  try {
    t.open();
    t.setIndexFields(QStringLiteral("Spiel;Breite;Länge;Ebene;Datum"));
    t.first();
    if (hasRoundRow(t, game)) {
      t.close();
      return QString();
    }

    // Every value is converted before the row is begun, so a bad field
    // leaves no half-written row.
    const Converted silber = convertField(QStringLiteral("Silber"), status.silber, game.roundCode);
    const Converted personen = convertField(QStringLiteral("Personen"), status.personen, game.roundCode);
    Converted punkte, mittel;
    if (game.isMolvanth()) {
      punkte = convertField(QStringLiteral("Punkte :"), status.punkte, game.roundCode);
      mittel = convertField(QStringLiteral("Punkte mittel:"), status.punkteMittel, game.roundCode);
    }
    for (const Converted* c : std::initializer_list<const Converted*>{&punkte, &mittel, &silber, &personen}) {
      if (!c->error.isEmpty()) {
        t.close();
        return c->error;
      }
    }

    t.append();
    t.setValue(QStringLiteral("Spiel"), game.slot);
    t.setValue(QStringLiteral("Breite"), game.ownPartyNumber);
    t.setValue(QStringLiteral("Länge"), kPartyRowMarker);
    // The level is part of the key; faction rows all stand on level 0.
    t.setValue(QStringLiteral("Ebene"), 0);
    t.setValue(QStringLiteral("Datum"), game.roundCode);
    if (game.isMolvanth()) {
      t.setValue(QStringLiteral("PunkteNeu"), *punkte.value);
      t.setValue(QStringLiteral("PunkteSchnitt"), *mittel.value);
      t.setValue(QStringLiteral("PunkteDiv"), qint64(*punkte.value) - qint64(*mittel.value));
    }
    t.setValue(QStringLiteral("ParteiSilber"), *silber.value);
    t.setValue(QStringLiteral("Personen"), *personen.value);
    t.post();
    t.close();
    return QString();
  } catch (const DbError& e) {
    t.cancel();
    t.close();
    throw DbError(QStringLiteral("Die Statistikzeile der Runde %1 konnte nicht geschrieben werden: %2")
                      .arg(game.roundCode)
                      .arg(e.message()));
  }
}

QString saveStatusData(FileTransaction& files, ConfigFile& config, const GameSession& game, ReportPages& pages,
                       const StatusFields& status, const OrderTemplate& orders) {
  QStringList errors;

  // The slot number decides, not the game type.
  if (game.slot == 1) putIncomeTotal(pages.einkommen, status.gesamteinkommen);

  for (const reportpagetable::Page* page : reportpagetable::storedPages()) {
    const QString path = game.statusPath(reportpagetable::statusFileName(game.slot, *page));
    const QString error = files.stageLines(path, page->lines(pages));
    if (!error.isEmpty()) errors << error;
  }

  config.setSlotLine(game.slot, ConfigFile::SlotName, game.slotName);
  config.setSlotLine(game.slot, ConfigFile::GameTypeText, game.gameTypeText);
  const QStringList fields = status.configFields();
  for (int i = 0; i < fields.size(); ++i) config.setSlotLine(game.slot, ConfigFile::StatusFirst + i, fields.at(i));
  const QString configError = files.stageLines(config.path(), config.lines());
  if (!configError.isEmpty()) errors << configError;
  const QString templateError = templatefile::stage(files, orders, game, status.datum);
  if (!templateError.isEmpty()) errors << templateError;
  return errors.join(QLatin1Char('\n'));
}

QStringList pagesWithContent(const ReportPages& p) {
  QList<const reportpagetable::Page*> listed;
  for (const reportpagetable::Page& page : reportpagetable::pages())
    if (page.listed >= 0 && page.hasContent(p)) listed << &page;
  std::sort(listed.begin(), listed.end(), [](const auto* a, const auto* b) { return a->listed < b->listed; });
  QStringList shown;
  for (const reportpagetable::Page* page : listed) shown << page->captionText();
  return shown;
}

StatusLoad loadStatusData(OpenGame& game) {
  StatusLoad out;
  const GameSession& session = game.session;

  // All files are read before any page is replaced.
  const QList<const reportpagetable::Page*> stored = reportpagetable::storedPages();
  QList<QStringList> contents;
  for (const reportpagetable::Page* page : stored) {
    const QString path = session.statusPath(reportpagetable::statusFileName(session.slot, *page));
    if (!QFileInfo::exists(path)) {
      // A slot that has never read a report has no status files yet.
      contents << QStringList();
      continue;
    }
    const auto lines = textutil::readLines(path);
    if (!lines) {
      out.error = QStringLiteral("Die Statusdatei %1 konnte nicht gelesen werden.").arg(path);
      return out;
    }
    contents << *lines;
  }

  QStringList fields;
  try {
    const ConfigFile config = ConfigFile::load(configPath(session));
    for (int i = 0; i < 9; ++i) fields << config.slotLine(session.slot, ConfigFile::StatusFirst + i);
  } catch (const ConfigError& e) {
    out.error = e.message();
    return out;
  }

  for (int i = 0; i < stored.size(); ++i) stored.at(i)->setLines(game.pages, contents.at(i));
  game.status.setConfigFields(fields);
  out.shownPages = pagesWithContent(game.pages);

  const summaries::SummaryResult income = summaries::summiereEinkommen(session, game.pages, game.status);
  if (!income.ok) out.messages << summaries::einkommenFehlerBeimLaden(income.currentLine);
  if (session.isMolvanth()) {
    const summaries::SummaryResult orcs = summaries::summiereOrkvermehrung(game.pages, game.status);
    if (!orcs.ok) out.messages << summaries::orkFehlerBeimLaden();
  }

  if (!game.status.datum.isEmpty()) {
    const QString path = templatefile::filePath(session, game.status.datum);
    const auto lines = templatefile::load(path);
    templatefile::rememberDisk(game.orders, path);
    if (lines) {
      game.orders.setLines(*lines);
    } else {
      game.orders.clear();
      out.messages << QStringLiteral("Die Zugvorlage %1 konnte nicht geöffnet werden; die Zugvorlage bleibt leer.")
                          .arg(path);
    }
  }
  game.orders.setUnsaved(false);

  const summaries::SummaryResult production = summaries::summiereProduktion(game.pages, game.status);
  if (!production.ok) out.messages << summaries::produktionFehler(production.currentLine);
  return out;
}

const QString& incomeTotalMark() {
  static const QString mark = QStringLiteral("zzzz");
  return mark;
}

QStringList shownIncome(const QStringList& lines) {
  QStringList shown;
  for (const QString& line : lines)
    if (!line.startsWith(incomeTotalMark())) shown << line;
  return shown;
}

}  // namespace statusdata
