// A refused report changes nothing: the tables, the pages and the status
// counters stay as the last report left them.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "game/configfile.h"
#include "turn/gameopening.h"
#include "turn/programfolder.h"
#include "game/textutil.h"
#include "db/database.h"
#include "turn/reportimporter.h"
#include "support/testsupport.h"

namespace {

TEST(RefusedImport, CountersTablesAndPagesStayAsTheyWere) {
  struct Case {
    const char* type;
    bool answer;
  };
  // Version 64 asks (answer "Nein"); a Quarnel slot refuses the Molvanth report.
  for (const Case c : {Case{"Molvanth", false}, Case{"Quarnel", true}}) {
    QTemporaryDir tmp;
    programfolder::initProgramFolder(tmp.path());
    Database db;
    db.open(textutil::joinPath(tmp.path(), Database::fileName()));
    OpenGame game;
    game.db = &db;
    gameopening::beginSlot(game.session, 1, QStringLiteral("Test"), QString::fromLatin1(c.type));
    gameopening::readSlotSettings(game.session, ConfigFile::load(tmp.filePath(QStringLiteral("zendral.cfg"))));
    game.status.setConfigFields({QStringLiteral("120"), QStringLiteral("100"), QStringLiteral("Wölfe"),
                                 QStringLiteral("Juni im Jahre 38"), QStringLiteral("5"), QStringLiteral("42"),
                                 QStringLiteral("1000"), QStringLiteral("3"), QStringLiteral("7")});
    game.status.gesamteinkommen = QStringLiteral("155");
    game.pages.kaempfe << QStringLiteral("Kampf von gestern");
    const QString before = testsupport::dump(db);

    ImportCallbacks callbacks;
    callbacks.askYesNo = [&](const QString&) { return c.answer; };
    callbacks.inform = [](const QString&) {};
    const ImportOutcome out = importReport(game, testsupport::sharedReport(QStringLiteral("481-beispiel.cr")), callbacks);
    SCOPED_TRACE(c.type);
    EXPECT_EQ(out.status, ImportOutcome::Status::Refused);
    EXPECT_EQ(game.status.configFields(),
              QStringList({QStringLiteral("120"), QStringLiteral("100"), QStringLiteral("Wölfe"),
                           QStringLiteral("Juni im Jahre 38"), QStringLiteral("5"), QStringLiteral("42"),
                           QStringLiteral("1000"), QStringLiteral("3"), QStringLiteral("7")}));
    EXPECT_EQ(game.status.gesamteinkommen, QStringLiteral("155"));
    EXPECT_EQ(game.pages.kaempfe, QStringList({QStringLiteral("Kampf von gestern")}));
    EXPECT_EQ(testsupport::dump(db), before);
  }
}

}  // namespace
