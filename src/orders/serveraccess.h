#pragma once
// What the game server needs of a slot's orders, kept in the program folder
// across reports: the faction's password ("passwort-<slot>.txt"; today's
// servers tell it only once, in a faction's first reports) and where orders
// are mailed to with which subject ("versand-<slot>.txt", from the newest
// report's ";mailto" and ";mailcmd").
#include <QString>

class FileTransaction;
struct GameSession;

namespace serveraccess {

struct Access {
  QString password;
  QString mailTo;   // the server's address
  QString mailCmd;  // the subject the server expects
  bool operator==(const Access&) const = default;
};

QString passwordPath(const GameSession& session);
QString mailPath(const GameSession& session);

// What the slot knows; empty texts where a file is missing or unreadable.
Access load(const GameSession& session);

// The password of a read report: its own ";Passwort" line, else the one its
// password message named, else the one the slot knew.
QString resolvePassword(const QString& fromHeader, const QString& fromMessage, const QString& known);
// The address and subject of a read report, each kept from `known` when the
// report has none.
Access resolve(const QString& password, const QString& mailTo, const QString& mailCmd, const Access& known);

// `known` where it has a value, else `fresh`: an older report changes no
// value a newer one gave.
Access preferKnown(const Access& fresh, const Access& known);

// Stages the files whose content changes (with the import's other files).
// Returns an empty text, else the German message.
QString stage(FileTransaction& files, const GameSession& session, const Access& access, const Access& known);
// Writes the password file at once (the options dialog). Returns an empty
// text, else the German message naming the file.
QString savePassword(const GameSession& session, const QString& password);

}  // namespace serveraccess
