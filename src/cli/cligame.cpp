#include "cli/cligame.h"

#include <QFileInfo>

#include "game/configfile.h"
#include "turn/gameopening.h"
#include "turn/slotopening.h"
#include "turn/statusdata.h"
#include "game/textutil.h"
#include "cli/clicommands.h"
#include "db/dbbackup.h"
#include "db/dberror.h"

namespace cli {

QString explainDbError(const QString& dir, const QString& message) {
  if (!dbbackup::isDamage(message)) return message;
  return dbbackup::damagedMessage(textutil::joinPath(dir, Database::fileName()), message,
                                  QStringLiteral("Zurück zur Sicherung: zendral-cli restore --dir %1").arg(dir));
}

std::unique_ptr<CliGame> openGame(const GameOptions& o, QString* error) {
  auto cli = std::make_unique<CliGame>();
  try {
    const ConfigFile config = ConfigFile::load(textutil::joinPath(o.dir, ConfigFile::fileName()));
    const QString storedType = config.slotLine(o.slot, ConfigFile::GameTypeText);
    const bool typed = storedType == QLatin1String("Molvanth") || storedType == QLatin1String("Quarnel");
    if (typed && !o.typ.isEmpty() && o.typ != storedType) {
      *error = QStringLiteral("Spiel %1 ist ein %2-Spiel; --typ %3 passt nicht dazu.").arg(o.slot).arg(storedType, o.typ);
      return nullptr;
    }
    const QString typeText = typed ? storedType : o.typ;
    const QString name = o.name.isEmpty() ? config.slotLine(o.slot, ConfigFile::SlotName) : o.name;

    cli->db.open(textutil::joinPath(o.dir, Database::fileName()));
    cli->game.db = &cli->db;
    slotopening::Steps steps;
    steps.inform = [](const QString& message) { printOut(message); };
    steps.settingsRead = [&] {
      // The tool works in the folder --dir names, also when a copied
      // folder's zendral.cfg still names the folder it was copied from.
      GameSession& session = cli->game.session;
      const QString dir = textutil::normalizeDirectory(QFileInfo(o.dir).absoluteFilePath());
      if (gameopening::isOtherFolder(session.programPath, dir))
        printOut(QStringLiteral("Hinweis: In %1 ist als Programmpfad %2 eingetragen; verwendet wird %3 (--dir).")
                     .arg(config.path(), session.programPath, dir));
      session.programPath = dir;
      return true;
    };
    const statusdata::StatusLoad loaded = slotopening::openSlot(cli->game, config, o.slot, name, typeText, steps).load;
    if (!loaded.ok()) {
      *error = loaded.error;
      return nullptr;
    }
    for (const QString& message : loaded.messages) printOut(message);
  } catch (const ConfigError& e) {
    *error = e.message();
    return nullptr;
  } catch (const DbError& e) {
    *error = explainDbError(o.dir, e.message());
    return nullptr;
  }
  return cli;
}

}  // namespace cli

namespace cli {

std::optional<GameOptions> commandOptions(const QStringList& args, int positional, const char* usage,
                                          const QList<ExtraOption>& extra) {
  QString error;
  auto o = parseGameOptions(args, &error, extra);
  if (!o) {
    printError(error);
    return std::nullopt;
  }
  if (o->positional.size() != positional) {
    printError(QStringLiteral("Aufruf: zendral-cli %1").arg(QLatin1String(usage)));
    return std::nullopt;
  }
  return o;
}

}  // namespace cli
