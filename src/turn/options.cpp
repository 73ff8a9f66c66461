#include "turn/options.h"

#include "game/textutil.h"
#include "orders/serveraccess.h"

namespace options {

Working open(const GameSession& session) {
  Working w{ConfigFile::load(session.path(ConfigFile::fileName())), {}};
  const int slot = session.slot;
  w.values.programPath = w.config.slotLine(slot, ConfigFile::ProgramPath);
  w.values.checkerPath = w.config.slotLine(slot, ConfigFile::CheckerPath);
  w.values.homeX = w.config.slotLine(slot, ConfigFile::HomeX);
  w.values.homeY = w.config.slotLine(slot, ConfigFile::HomeY);
  w.values.password = serveraccess::load(session).password;
  return w;
}

void save(GameSession& session, Working& working, const Values& values) {
  // The next opening reads these lines strictly; refuse what would stop it.
  const QString homeX = values.homeX.trimmed();
  const QString homeY = values.homeY.trimmed();
  if (!textutil::strictInt(homeX))
    throw ConfigError(QStringLiteral("Heimatregion x: „%1“ ist keine ganze Zahl; nichts wurde gespeichert.").arg(values.homeX));
  if (!textutil::strictInt(homeY))
    throw ConfigError(QStringLiteral("Heimatregion y: „%1“ ist keine ganze Zahl; nichts wurde gespeichert.").arg(values.homeY));
  const QString programPath = values.programPath.trimmed();
  if (programPath.isEmpty())
    throw ConfigError(QStringLiteral("Der Programmpfad darf nicht leer sein; nichts wurde gespeichert."));

  // The orders file writes the password in quotes.
  const QString password = values.password.trimmed();
  if (password.contains(QLatin1Char('"')))
    throw ConfigError(QStringLiteral("Das Passwort darf kein Anführungszeichen (\") enthalten; nichts wurde gespeichert."));

  const int slot = session.slot;
  working.config.setSlotLine(slot, ConfigFile::HomeX, homeX);
  working.config.setSlotLine(slot, ConfigFile::HomeY, homeY);
  working.config.setSlotLine(slot, ConfigFile::ProgramPath, programPath);
  working.config.setSlotLine(slot, ConfigFile::CheckerPath, values.checkerPath);
  working.config.save();  // the file at the old program path
  session.programPath = textutil::normalizeDirectory(programPath);
  session.checkerPath = values.checkerPath;
  // After zendral.cfg: a password file that cannot be written keeps the
  // dialog open with the rest saved.
  if (password != working.values.password && !password.isEmpty()) {
    const QString error = serveraccess::savePassword(session, password);
    if (!error.isEmpty()) throw ConfigError(error);
    working.values.password = password;
  }
}

}  // namespace options
