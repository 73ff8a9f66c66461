// send: the week's orders to the game server through the desktop's mail program.
#include <QFileInfo>

#include "cli/cligame.h"
#include "cli/clicommands.h"
#include "orders/ordersend.h"
#include "orders/serveraccess.h"
#include "orders/templatefile.h"
#include "orders/templatepassword.h"

namespace cli {

namespace {

int send(const GameOptions& o, CliGame& cli) {
  OpenGame& game = cli.game;
  const QString& datum = game.status.datum;
  if (datum.isEmpty()) {
    printError(QStringLiteral("Spiel %1 hat noch keinen CR gelesen: es gibt keine Befehle zu versenden.").arg(game.session.slot));
    return 1;
  }
  if (!templatepassword::hasPassword(game.orders.lines())) printError(templatepassword::missingPasswordWarning());
  const QString file = templatefile::filePath(game.session, datum);
  // The template as the slot holds it is the file that goes out.
  if (!QFileInfo::exists(file)) {
    if (const QString error = templatefile::save(game.orders, game.session, datum); !error.isEmpty()) {
      printError(error);
      return 1;
    }
  }
  const serveraccess::Access access = serveraccess::load(game.session);
  if (o.has(QStringLiteral("--print"))) {
    printOut(ordersend::describe(access, file));
    return 0;
  }
  const QString program = ordersend::findMailProgram();
  if (const QString why = ordersend::whyNotSendable(access, program); !why.isEmpty()) {
    printError(why + QStringLiteral(" Die Befehle liegen in %1.").arg(file));
    return 1;
  }
  if (const QString error = ordersend::start(ordersend::mailCall(program, access, file)); !error.isEmpty()) {
    printError(error);
    return 1;
  }
  printOut(QStringLiteral("Befehle an das Mailprogramm übergeben:\n") + ordersend::describe(access, file));
  return 0;
}

}  // namespace

int runSend(const QStringList& args) {
  return withGame(args, 0, "send [--dir VERZ] [--slot N] [--print]",
                  [](const GameOptions& o, CliGame& cli) { return send(o, cli); }, {{QStringLiteral("--print"), 0}});
}

}  // namespace cli
