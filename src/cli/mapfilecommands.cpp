// map-export, map-import and add-region: the map tools of the headless tool.
#include "cli/cligame.h"
#include "cli/clicommands.h"
#include "cli/clioptions.h"
#include "game/textutil.h"
#include "db/table.h"
#include "map/manualregion.h"
#include "map/mapexchange.h"

namespace cli {

namespace {

std::optional<int> wholeNumber(const QString& text, const QString& what) {
  const std::optional<qint32> n = textutil::strictInt(text);
  if (!n) printError(QStringLiteral("„%1“ ist keine gültige ganze Zahl für %2.").arg(text, what));
  return n;
}

// The slot's region table; with --level only that level, as after a
// world-map drawing.
std::optional<int> levelOption(const GameOptions& o) {
  if (!o.has(QStringLiteral("--level"))) return 0;
  return wholeNumber(o.value(QStringLiteral("--level")), QStringLiteral("--level"));
}

int exportMap(const GameOptions& o, CliGame& cli) {
  const int slot = cli.game.session.slot;
  Table regionen(cli.db, QStringLiteral("regionen"));
  if (o.has(QStringLiteral("--level"))) {
    const std::optional<int> level = levelOption(o);
    if (!level) return 2;
    regionen.setSlotLevelFilter(slot, *level);
  } else {
    regionen.setSlotFilter(slot);
  }
  regionen.setFiltered(true);
  const QString path = o.positional.first();

  mapexchange::ExportResult result;
  QString message;
  if (o.has(QStringLiteral("--around"))) {
    const QStringList around = o.extra.value(QStringLiteral("--around"));
    const std::optional<int> x = wholeNumber(around.at(0), QStringLiteral("die Breite"));
    const std::optional<int> y = wholeNumber(around.at(1), QStringLiteral("die Länge"));
    if (!x || !y) return 2;
    const std::optional<int> radius = mapexchange::parseRadius(around.at(2));
    if (!radius) {
      printError(mapexchange::badRadiusMessage(around.at(2)));
      return 2;
    }
    result = mapexchange::exportArea(regionen, slot, *x, *y, *radius, path);
    message = mapexchange::areaExportMessage(path);
  } else {
    result = mapexchange::exportFullMap(regionen, path);
    message = mapexchange::fullExportMessage(path);
  }
  if (!result.ok()) {
    printError(result.error);
    return 1;
  }
  printOut(message);
  printOut(QStringLiteral("%1 Regionen geschrieben.").arg(result.regions));
  return 0;
}

int importMap(const GameOptions& o, CliGame& cli) {
  Table regionen(cli.db, QStringLiteral("regionen"));
  regionen.setSlotFilter(cli.game.session.slot);
  regionen.setFiltered(true);
  const QString path = o.positional.first();
  const mapexchange::ImportResult result = mapexchange::importMap(cli.db, regionen, cli.game.session.slot, path);
  if (!result.ok()) {
    printError(result.error);
    return 1;
  }
  printOut(QStringLiteral("Kartendaten aus %1 importiert: %2 Regionen neu, %3 bereits bekannt.")
               .arg(path)
               .arg(result.added)
               .arg(result.known));
  return 0;
}

int addRegion(const GameOptions& o, CliGame& cli) {
  for (const char* required : {"--x", "--y", "--regionname", "--terrain"}) {
    if (!o.has(QLatin1String(required))) {
      printError(QStringLiteral("Aufruf: zendral-cli add-region [--dir VERZ] [--slot N] [--level L] --x X --y Y "
                                "--name NAME --typ GELÄNDE [--angebot TEXT]"));
      return 2;
    }
  }
  const std::optional<int> level = levelOption(o);
  if (!level) return 2;
  const QString terrain = o.value(QStringLiteral("--terrain"));
  const QStringList choices = manualregion::terrainChoices();
  if (!choices.contains(terrain)) {
    printError(QStringLiteral("Unbekannter Regiontyp „%1“: erlaubt sind %2.").arg(terrain, choices.join(QStringLiteral(", "))));
    return 2;
  }
  manualregion::Entry entry{o.value(QStringLiteral("--regionname")), o.value(QStringLiteral("--x")),
                            o.value(QStringLiteral("--y")), terrain, o.value(QStringLiteral("--angebot"))};
  Table regionen(cli.db, QStringLiteral("regionen"));
  const manualregion::SaveResult saved = manualregion::saveRegion(regionen, cli.game.session.slot, *level, entry);
  if (!saved.ok()) {
    printError(saved.error);
    return 1;
  }
  printOut(QStringLiteral("Region %1 „%2“ (%3) %4.")
               .arg(saved.position, entry.name, manualregion::storedTerrain(terrain),
                    saved.appended ? QStringLiteral("neu angelegt") : QStringLiteral("überschrieben")));
  return 0;
}

}  // namespace

int runMapExport(const QStringList& args) {
  return withGame(args, 1, "map-export [--dir VERZ] [--slot N] [--level L] [--around X Y R] DATEI", exportMap,
                  {{QStringLiteral("--level"), 1}, {QStringLiteral("--around"), 3}});
}

int runMapImport(const QStringList& args) {
  return withGame(args, 1, "map-import [--dir VERZ] [--slot N] DATEI", importMap);
}

int runAddRegion(const QStringList& args) {
  // --name and --typ name the region and its terrain here, not the slot and
  // the game type.
  QStringList renamed = args;
  for (int i = 0; i < renamed.size(); ++i) {
    if (renamed[i] == QLatin1String("--name"))
      renamed[i] = QStringLiteral("--regionname");
    else if (renamed[i] == QLatin1String("--typ"))
      renamed[i] = QStringLiteral("--terrain");
    else
      continue;
    ++i;  // the option's value is never an option itself
  }
  return withGame(renamed, 0,
                  "add-region [--dir VERZ] [--slot N] [--level L] --x X --y Y --name NAME --typ GELÄNDE [--angebot TEXT]",
                  addRegion,
                  {{QStringLiteral("--level"), 1},
                   {QStringLiteral("--x"), 1},
                   {QStringLiteral("--y"), 1},
                   {QStringLiteral("--regionname"), 1},
                   {QStringLiteral("--terrain"), 1},
                   {QStringLiteral("--angebot"), 1}});
}

}  // namespace cli
