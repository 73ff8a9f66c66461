// restore: back to the database as it was before the last import.
#include <QDir>

#include "game/textutil.h"
#include "cli/clicommands.h"
#include "cli/cligame.h"
#include "cli/clioptions.h"
#include "db/database.h"
#include "db/dbbackup.h"

namespace cli {

int runRestore(const QStringList& args) {
  const auto o = commandOptions(args, 0, "restore [--dir VERZ]");
  if (!o) return 2;
  const QString dbPath = textutil::joinPath(o->dir, Database::fileName());
  const QDateTime when = dbbackup::backupTime(dbPath);
  const dbbackup::Restored restored = dbbackup::restore(dbPath);
  if (!restored.error.isEmpty()) {
    printError(restored.error);
    return 1;
  }
  printOut(QStringLiteral("Die Datenbank %1 ist auf die Sicherung vom %2 zurückgesetzt (der Stand vor dem letzten "
                          "Einlesen). Die ersetzte Datei liegt unter %3.")
               .arg(QDir::toNativeSeparators(dbPath), when.toString(QStringLiteral("dd.MM.yyyy HH:mm")),
                    QDir::toNativeSeparators(restored.keptAs)));
  return 0;
}

}  // namespace cli
