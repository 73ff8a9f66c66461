// region, unit and orders: what the region page, the unit page and the
// command editor show and do, without windows.
#include "game/textutil.h"
#include "cli/cligame.h"
#include "cli/clicommands.h"
#include "game/codec.h"
#include "db/dberror.h"
#include "orders/templatefile.h"
#include "views/commandeditor.h"
#include "views/regionview.h"
#include "views/unitview.h"
#include "views/viewtables.h"

namespace cli {

namespace {

std::optional<qint32> integerArgument(const QString& text, const char* what) {
  const std::optional<qint32> n = textutil::strictInt(text);
  if (!n) printError(QStringLiteral("Ungültige %1 „%2“: erwartet wird eine ganze Zahl.").arg(QLatin1String(what), text));
  return n;
}

// A unit number as the game writes it (base 36 in Molvanth, decimal in Quarnel).
std::optional<qint32> unitNumber(const GameSession& s, const QString& text) {
  if (s.isMolvanth()) {
    const qint32 n = codec::Decode(text, s.idBase);
    if (n > 0 && codec::Encode(n, s.idBase) == text.toLower().replace(QLatin1Char('l'), QLatin1Char('L'))) return n;
    printError(QStringLiteral("Ungültige Einheitennummer „%1“.").arg(text));
    return std::nullopt;
  }
  return integerArgument(text, "Einheitennummer");
}

// The level is the third part of a position text.
int levelOf(const QString& position) { return position.section(QLatin1Char('/'), 2, 2).toInt(); }

int printRegion(const GameOptions& o, CliGame& cli) {
  const auto x = integerArgument(o.positional.at(0), "x-Koordinate");
  const auto y = integerArgument(o.positional.at(1), "y-Koordinate");
  if (!x || !y) return 2;
  GameSession& s = cli.game.session;
  if (o.has(QStringLiteral("--level"))) {
    const auto level = integerArgument(o.value(QStringLiteral("--level")), "Ebene");
    if (!level) return 2;
    s.currentLevel = *level;
  }
  RegionFilters filters;
  filters.alle = o.has(QStringLiteral("--alle"));
  filters.nurAktuelleInfo = !o.has(QStringLiteral("--alt"));
  ViewTables tables(cli.db);
  printOut(regionview::describe(getSekKoo(tables, s, *x, *y, filters)).join(QLatin1Char('\n')));
  return 0;
}

struct FoundUnit {
  qint32 number;
  QString position;
};

std::optional<FoundUnit> findUnit(CliGame& cli, ViewTables& tables, const QString& text) {
  const auto nr = unitNumber(cli.game.session, text);
  if (!nr) return std::nullopt;
  const auto position = unitPosition(tables, cli.game.session, *nr);
  if (!position) {
    printError(QStringLiteral("Einheit %1 ist in Spiel %2 nicht bekannt.").arg(text).arg(cli.game.session.slot));
    return std::nullopt;
  }
  return FoundUnit{*nr, *position};
}

int printUnit(const GameOptions& o, CliGame& cli) {
  ViewTables tables(cli.db);
  const auto unit = findUnit(cli, tables, o.positional.first());
  if (!unit) return 1;
  const UnitView view = showUnit(tables, cli.game.session, cli.game.pages, unit->position, unit->number);
  printOut(unitview::describe(view).join(QLatin1Char('\n')));
  return 0;
}

std::optional<commandeditor::Marks> markOption(const GameOptions& o, const QString& flags) {
  commandeditor::Marks marks = commandeditor::marksFromFlags(flags, {});
  if (!o.has(QStringLiteral("--mark"))) return marks;
  const QString m = o.value(QStringLiteral("--mark"));
  marks = {};
  if (m == QLatin1String("x"))
    marks.setMark(true);
  else if (m == QLatin1String("X"))
    marks.setLongMark(true);
  else if (m != QLatin1String("none")) {
    printError(QStringLiteral("Ungültige Markierung „%1“: erlaubt sind x, X und none.").arg(m));
    return std::nullopt;
  }
  return marks;
}

int editOrders(const GameOptions& o, CliGame& cli) {
  OpenGame& game = cli.game;
  GameSession& s = game.session;
  ViewTables tables(cli.db);
  const auto unit = findUnit(cli, tables, o.positional.first());
  if (!unit) return 1;
  const UnitView view = showUnit(tables, s, game.pages, unit->position, unit->number);
  if (!commandeditor::isOwnParty(view.partyNumberText, s)) {
    printError(QStringLiteral("Einheit %1 gehört nicht zur eigenen Partei; der Befehlseditor öffnet nur eigene Einheiten.")
                   .arg(o.positional.first()));
    return 1;
  }
  const QString id = s.idText(unit->number);
  const QStringList received = commandeditor::unitLines(game.orders.lines(), id);
  if (!o.has(QStringLiteral("--set")) && !o.has(QStringLiteral("--mark"))) {
    if (received.isEmpty()) {
      printError(QStringLiteral("Einheit %1 steht nicht in der Zugvorlage.").arg(id));
      return 1;
    }
    printOut(received.join(QLatin1Char('\n')));
    return 0;
  }
  const auto marks = markOption(o, view.flags);
  if (!marks) return 2;
  if (o.has(QStringLiteral("--set"))) {
    const QString file = o.value(QStringLiteral("--set"));
    const std::optional<QStringList> text = textutil::readLines(file);
    if (!text) {
      printError(QStringLiteral("Die Datei %1 konnte nicht gelesen werden.").arg(file));
      return 1;
    }
    QString error;
    const std::optional<QStringList> orders = commandeditor::ordersOf(*text, id, &error);
    if (!orders) {
      printError(error);
      return 1;
    }
    if (received.isEmpty()) printOut(QStringLiteral("Einheit %1 steht nicht in der Zugvorlage; es wird nur die Markierung gespeichert.").arg(id));
    commandeditor::writeBack(game.orders, id, *orders);
  }
  // The region as the page shows it, so the unmarked units and the colour match.
  s.currentLevel = levelOf(unit->position);
  const QStringList xy = unit->position.split(QLatin1Char('/'));
  RegionView region = getSekKoo(tables, s, xy.value(0).toInt(), xy.value(1).toInt(), RegionFilters{});
  const commandeditor::FlagResult r =
      commandeditor::setflags(tables, s, unit->position, id, *marks, region.unflaggedUnits, region.unitList);
  printOut(QStringLiteral("Flags: „%1“").arg(r.flags));
  printOut(QStringLiteral("Region %1/%2: %3").arg(r.x).arg(r.y).arg(r.colour == commandeditor::kAllMarked
                                                                          ? QStringLiteral("hellgrün (alle eigenen Einheiten markiert)")
                                                                          : QStringLiteral("fuchsia (unmarkierte eigene Einheiten)")));
  if (o.has(QStringLiteral("--set"))) {
    if (game.status.datum.isEmpty()) {
      printError(QStringLiteral("Spiel %1 hat noch keinen CR gelesen: es gibt keine Zugvorlage.").arg(s.slot));
      return 1;
    }
    const QString error = templatefile::save(game.orders, s, game.status.datum);
    if (!error.isEmpty()) {
      printError(error);
      return 1;
    }
    printOut(QStringLiteral("Zugvorlage gespeichert: ") + templatefile::filePath(s, game.status.datum));
  }
  return 0;
}

}  // namespace

int runRegion(const QStringList& args) {
  return withGame(args, 2, "region [--dir VERZ] [--slot N] [--level L] [--alle] [--alt] X Y",
                  [](const GameOptions& o, CliGame& cli) { return printRegion(o, cli); },
                  {{QStringLiteral("--level"), 1}, {QStringLiteral("--alle"), 0}, {QStringLiteral("--alt"), 0}});
}

int runUnit(const QStringList& args) {
  return withGame(args, 1, "unit [--dir VERZ] [--slot N] NR",
                  [](const GameOptions& o, CliGame& cli) { return printUnit(o, cli); });
}

int runOrders(const QStringList& args) {
  return withGame(args, 1, "orders [--dir VERZ] [--slot N] NR [--set DATEI] [--mark x|X|none]",
                  [](const GameOptions& o, CliGame& cli) { return editOrders(o, cli); },
                  {{QStringLiteral("--set"), 1}, {QStringLiteral("--mark"), 1}});
}

}  // namespace cli
