// libFuzzer target: any bytes as a report, read into a fresh in-memory
// database. The import must either read the bytes or refuse them with a
// message; it must never crash, hang, leak or touch undefined behaviour.
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "game/configfile.h"
#include "turn/gameopening.h"
#include "turn/opengame.h"
#include "turn/programfolder.h"
#include "game/textutil.h"
#include "db/database.h"
#include "turn/reportimporter.h"

namespace {
QCoreApplication* app = nullptr;
QTemporaryDir* folder = nullptr;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  app = new QCoreApplication(*argc, *argv);
  folder = new QTemporaryDir;
  std::atexit([] { delete folder; });  // libFuzzer ends with exit(); the folder goes with it
  // The files an import writes after the tables go to a program folder of its own.
  programfolder::initProgramFolder(folder->path());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Database db;
  db.open(QStringLiteral(":memory:"), true);
  OpenGame game;
  game.db = &db;
  gameopening::beginSlot(game.session, 1, QStringLiteral("Fuzz"), QStringLiteral("Molvanth"));
  gameopening::readSlotSettings(game.session,
                                ConfigFile::load(textutil::joinPath(folder->path(), ConfigFile::fileName())));
  ImportCallbacks callbacks;
  callbacks.askYesNo = [](const QString&) { return true; };
  callbacks.inform = [](const QString&) {};
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const ImportOutcome outcome = importReportData(game, bytes, QStringLiteral("fuzz.cr"), callbacks);
  // A failure must always say why.
  if (outcome.status == ImportOutcome::Status::Failed && outcome.message.isEmpty()) std::abort();
  return 0;
}
