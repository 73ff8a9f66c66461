#include "orders/ordersend.h"

#include <QProcess>
#include <QStandardPaths>

namespace ordersend {

MailCall mailCall(const QString& program, const serveraccess::Access& access, const QString& templateFile) {
  MailCall call;
  call.program = program;
  if (!access.mailCmd.isEmpty()) call.arguments << QStringLiteral("--subject") << access.mailCmd;
  call.arguments << QStringLiteral("--attach") << templateFile << access.mailTo;
  return call;
}

QString findMailProgram() { return QStandardPaths::findExecutable(QString::fromLatin1(kMailProgram)); }

QString whyNotSendable(const serveraccess::Access& access, const QString& program) {
  if (access.mailTo.isEmpty())
    return QStringLiteral("Die Adresse des Spielservers ist nicht bekannt: kein eingelesener CR nennt sie (;mailto).");
  if (program.isEmpty())
    return QStringLiteral("Das Mailprogramm „xdg-email“ wurde nicht gefunden (Paket xdg-utils).");
  return QString();
}

QString describe(const serveraccess::Access& access, const QString& templateFile) {
  return QStringLiteral("An: %1\nBetreff: %2\nDatei: %3").arg(access.mailTo, access.mailCmd, templateFile);
}

QString start(const MailCall& call) {
  // Arguments go to the program as they are: an address or subject with
  // blanks or shell characters stays one argument.
  if (QProcess::startDetached(call.program, call.arguments)) return QString();
  return QStringLiteral("Das Mailprogramm %1 konnte nicht gestartet werden.").arg(call.program);
}

}  // namespace ordersend
