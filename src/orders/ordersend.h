#pragma once
// "Befehle versenden": the saved template handed to the desktop's mail
// program as an attachment, addressed to the game server with the subject
// it expects. The program is started directly, never through a shell.
#include <QString>
#include <QStringList>

#include "orders/serveraccess.h"

namespace ordersend {

// The desktop's mail composer; found on PATH.
inline constexpr char kMailProgram[] = "xdg-email";

struct MailCall {
  QString program;
  QStringList arguments;
};

// xdg-email [--subject <mailcmd>] --attach <file> <mailto>
MailCall mailCall(const QString& program, const serveraccess::Access& access, const QString& templateFile);

// The mail program's full path; empty when it is not installed.
QString findMailProgram();

// What can be sent: an empty text, else why not (no address, no mail program).
QString whyNotSendable(const serveraccess::Access& access, const QString& program);

// Address, subject and file as the tool's --print shows them.
QString describe(const serveraccess::Access& access, const QString& templateFile);

// Starts the call on its own; an empty text when it started, else the German message.
QString start(const MailCall& call);

}  // namespace ordersend
