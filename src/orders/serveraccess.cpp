#include "orders/serveraccess.h"

#include "game/filetransaction.h"
#include "game/gamesession.h"
#include "game/textutil.h"

namespace serveraccess {

QString passwordPath(const GameSession& session) {
  return session.path(QStringLiteral("passwort-%1.txt").arg(session.slot));
}

QString mailPath(const GameSession& session) { return session.path(QStringLiteral("versand-%1.txt").arg(session.slot)); }

Access load(const GameSession& session) {
  Access a;
  if (const auto lines = textutil::readLines(passwordPath(session)); lines && !lines->isEmpty())
    a.password = lines->first();
  if (const auto lines = textutil::readLines(mailPath(session)); lines) {
    a.mailTo = lines->value(0).trimmed();
    a.mailCmd = lines->value(1).trimmed();
  }
  return a;
}

QString resolvePassword(const QString& fromHeader, const QString& fromMessage, const QString& known) {
  if (!fromHeader.isEmpty()) return fromHeader;
  if (!fromMessage.isEmpty()) return fromMessage;
  return known;
}

Access resolve(const QString& password, const QString& mailTo, const QString& mailCmd, const Access& known) {
  Access a;
  a.password = password;
  a.mailTo = mailTo.isEmpty() ? known.mailTo : mailTo;
  a.mailCmd = mailCmd.isEmpty() ? known.mailCmd : mailCmd;
  return a;
}

Access preferKnown(const Access& fresh, const Access& known) {
  Access a;
  a.password = known.password.isEmpty() ? fresh.password : known.password;
  a.mailTo = known.mailTo.isEmpty() ? fresh.mailTo : known.mailTo;
  a.mailCmd = known.mailCmd.isEmpty() ? fresh.mailCmd : known.mailCmd;
  return a;
}

QString stage(FileTransaction& files, const GameSession& session, const Access& access, const Access& known) {
  if (access.password != known.password && !access.password.isEmpty()) {
    const QString error = files.stageLines(passwordPath(session), {access.password});
    if (!error.isEmpty()) return error;
  }
  if (access.mailTo != known.mailTo || access.mailCmd != known.mailCmd)
    return files.stageLines(mailPath(session), {access.mailTo, access.mailCmd});
  return QString();
}

QString savePassword(const GameSession& session, const QString& password) {
  const QString error = safefile::writeLines(passwordPath(session), {password});
  if (error.isEmpty()) return QString();
  return QStringLiteral("Das Passwort wurde nicht gespeichert. ") + error;
}

}  // namespace serveraccess
