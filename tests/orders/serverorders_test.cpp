// What the game server needs of the week's orders: the password in the
// template's PARTEI line from wherever a report names it, kept across
// reports that do not; the server's address and subject; and sending.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "orders/ordersend.h"
#include "orders/serveraccess.h"
#include "orders/templatelist.h"
#include "orders/templatepassword.h"
#include "report/reportgame.h"
#include "support/clirun.h"
#include "support/testsupport.h"

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

TEST(TemplatePassword, FoundSetAndMissing) {
  struct Case {
    const char* line;
    const char* password;  // what passwordOf reads
    const char* set;       // the line after withPassword("neu"); "" when unchanged
  };
  const Case cases[] = {
      {" PARTEI 566f \"\"", "", " PARTEI 566f \"neu\""},
      {" PARTEI 566f \"geheim\"", "geheim", " PARTEI 566f \"neu\""},
      {"PARTEI 566f geheim", "geheim", "PARTEI 566f \"neu\""},
      {"  partei 566f \"mit blank\" ; Kommentar", "mit blank", "  partei 566f \"neu\" ; Kommentar"},
      {" PARTEI 566f", "", " PARTEI 566f \"neu\""},
      {" PARTEI 566f \"neu\"", "neu", ""},
  };
  for (const Case& c : cases) {
    const QStringList lines = {u8("; davor"), u8(c.line), QString(), u8(" NAECHSTER")};
    EXPECT_EQ(templatepassword::partyLine(lines), 1) << c.line;
    EXPECT_EQ(templatepassword::passwordOf(u8(c.line)), u8(c.password)) << c.line;
    EXPECT_EQ(templatepassword::hasPassword(lines), *c.password != 0) << c.line;
    const auto set = templatepassword::withPassword(lines, u8("neu"));
    if (*c.set == 0) {
      EXPECT_FALSE(set) << c.line;
    } else {
      ASSERT_TRUE(set) << c.line;
      EXPECT_EQ(set->at(1), u8(c.set));
      EXPECT_EQ(set->size(), lines.size());
    }
  }
  // Without a PARTEI line the server cannot know the faction either.
  EXPECT_FALSE(templatepassword::hasPassword({u8(" EINHEIT abc"), u8("  ARBEITE")}));
  EXPECT_FALSE(templatepassword::withPassword({u8(" EINHEIT abc")}, u8("neu")));
}

// A report file with `edit` applied, written into the game's folder.
QString editedReport(reportgame::Game& g, const QString& source, const QString& name,
                     const std::function<void(QByteArray&)>& edit) {
  QFile in(testsupport::testData(source));
  EXPECT_TRUE(in.open(QIODevice::ReadOnly));
  QByteArray bytes = in.readAll();
  edit(bytes);
  const QString path = g.tmp.filePath(name);
  testsupport::writeFile(path, bytes);
  return path;
}

// The next round of the new faction's report, without its password message.
void nextRoundWithoutMessage(QByteArray& bytes) {
  bytes.replace("\n1234;Runde", "\n1235;Runde");
  const qsizetype start = bytes.indexOf("MESSAGE 761101056\n");
  const qsizetype end = bytes.indexOf("MESSAGE ", start + 1);
  ASSERT_GT(start, 0);
  ASSERT_GT(end, start);
  bytes.remove(start, end - start);
  ASSERT_FALSE(bytes.contains("keinpasswort"));
}

TEST(ServerAccess, ThePasswordComesFromEachSourceAndIsKept) {
  struct Step {
    const char* source;
    std::function<void(QByteArray&)> edit;
    const char* partyLine;  // line 0 of the template afterwards
  };
  const auto none = [](QByteArray&) {};
  const struct {
    const char* name;
    QList<Step> steps;
  } cases[] = {
      {"own header line",
       {{"481-beispiel.cr",
         [](QByteArray& b) { b.replace("\nPARTEI 15289\n", "\nPARTEI 15289\n\"geheim\";Passwort\n"); },
         " PARTEI bsp \"geheim\""},
        // The next week names none: the slot's password stays.
        {"481-beispiel.cr", [](QByteArray& b) { b.replace("\n481;Runde", "\n482;Runde"); }, " PARTEI bsp \"geheim\""}}},
      {"password message, then kept",
       {{"1234-neue-partei.cr", none, " PARTEI bLa \"keinpasswort\""},
        {"1234-neue-partei.cr", nextRoundWithoutMessage, " PARTEI bLa \"keinpasswort\""}}},
      {"none known", {{"481-beispiel.cr", none, " PARTEI bsp \"\""}}},
  };
  for (const auto& c : cases) {
    reportgame::Game g;
    int n = 0;
    for (const Step& step : c.steps) {
      const QString path = editedReport(g, u8(step.source), QStringLiteral("r%1.cr").arg(++n), step.edit);
      const ImportOutcome out = g.readFile(path);
      ASSERT_TRUE(out.ok()) << c.name << ": " << out.message.toStdString();
      EXPECT_EQ(g.game.orders.lines().value(0), u8(step.partyLine)) << c.name << " step " << n;
    }
    const QString kept = serveraccess::load(g.game.session).password;
    EXPECT_EQ(kept, templatepassword::passwordOf(g.game.orders.lines().value(0))) << c.name;
  }
}

TEST(ServerAccess, TheAddressIsTheNewestReportsAndAnOlderOneChangesNothing) {
  reportgame::Game g;
  const QString newer = editedReport(g, u8("481-beispiel.cr"), u8("482.cr"), [](QByteArray& b) {
    b.replace("\n481;Runde", "\n482;Runde");
    b.replace("\"MOLVANTH BEFEHLE\";mailcmd", "\"MOLVANTH NEU\";mailcmd");
    b.replace("\nPARTEI 15289\n", "\nPARTEI 15289\n\"neu\";Passwort\n");
  });
  const QString older = editedReport(g, u8("481-beispiel.cr"), u8("481.cr"), [](QByteArray& b) {
    b.replace("\nPARTEI 15289\n", "\nPARTEI 15289\n\"alt\";Passwort\n");
  });
  ASSERT_TRUE(g.readFile(newer).ok());
  ASSERT_TRUE(g.readFile(older).ok());
  const serveraccess::Access a = serveraccess::load(g.game.session);
  EXPECT_EQ(a.mailTo, u8("molvanth-server@molvanth.example.org"));
  EXPECT_EQ(a.mailCmd, u8("MOLVANTH NEU"));
  EXPECT_EQ(a.password, u8("neu"));
  EXPECT_EQ(g.game.orders.lines().value(0), u8(" PARTEI bsp \"neu\""));
}

TEST(TemplateList, NamesOfTheSlotsTemplates) {
  struct Case {
    const char* name;
    int slot;
    bool isTemplate, kept;
    int round;
  };
  const Case cases[] = {
      {"Zug-Spiel1-6-Schneebann,.txt", 1, true, false, 0},
      {"Zug-Spiel1-6-Schneebann,-4101.txt", 1, true, true, 4101},
      {"Zug-Spiel1-6-Schneebann,-4101-2.txt", 1, true, true, 4101},
      {"Zug-Spiel1-38-Juni-alt.txt", 1, true, true, 0},
      {"Zug-Spiel12-38-Juni.txt", 1, false, false, 0},
      {"Zug-Spiel2-38-Juni.txt", 1, false, false, 0},
      {"Zug-Spiel1-38-Juni.txt.bak", 1, false, false, 0},
  };
  for (const Case& c : cases) {
    const templatelist::NameParts p = templatelist::parseName(u8(c.name), c.slot);
    EXPECT_EQ(p.isTemplate, c.isTemplate) << c.name;
    EXPECT_EQ(p.kept, c.kept) << c.name;
    EXPECT_EQ(p.keptRound, c.round) << c.name;
  }
}

// The headless tool with a PATH of the test's choosing.
testsupport::CliRun cliWithPath(const QStringList& args, const QString& path) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("PATH"), path);
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(ZENDRAL_CLI), args);
  p.waitForFinished(120000);
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

TEST(CliSend, HandsTheTemplateToTheMailProgramWithoutAShell) {
  QTemporaryDir tmp;
  const QString dir = tmp.filePath(u8("z"));
  ASSERT_EQ(testsupport::cli({u8("init"), dir}).code, 0);
  const auto imported = testsupport::cli({u8("import"), u8("--dir"), dir, u8("--typ"), u8("Molvanth"), u8("--ja"),
                                          testsupport::testData(u8("1234-neue-partei.cr"))});
  ASSERT_EQ(imported.code, 0) << imported.err.toStdString();

  // A stand-in mail program that records its arguments, one a line.
  const QString bin = tmp.filePath(u8("bin"));
  const QString record = tmp.filePath(u8("args.txt"));
  testsupport::writeFile(bin + u8("/xdg-email"),
                         QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1'\n").arg(record).toUtf8());
  QFile::setPermissions(bin + u8("/xdg-email"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const QString path = bin + u8(":/usr/bin:/bin");
  const QString file = testsupport::cli({u8("template"), u8("--dir"), dir}).out.section(u'\n', 0, 0);
  ASSERT_TRUE(QFile::exists(file)) << file.toStdString();

  const auto printed = cliWithPath({u8("send"), u8("--dir"), dir, u8("--print")}, path);
  EXPECT_EQ(printed.code, 0) << printed.err.toStdString();
  EXPECT_EQ(printed.out.trimmed(),
            u8("An: molvanth-server@example.org\nBetreff: MOLVANTH 2 BEFEHLE\nDatei: ") + file);
  EXPECT_FALSE(QFile::exists(record));

  const auto sent = cliWithPath({u8("send"), u8("--dir"), dir}, path);
  EXPECT_EQ(sent.code, 0) << sent.err.toStdString();
  EXPECT_TRUE(sent.err.isEmpty()) << sent.err.toStdString();  // the template has its password
  for (int i = 0; i < 100 && !QFile::exists(record); ++i) QThread::msleep(50);
  QFile args(record);
  ASSERT_TRUE(args.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(args.readAll()).split(u'\n', Qt::SkipEmptyParts),
            QStringList({u8("--subject"), u8("MOLVANTH 2 BEFEHLE"), u8("--attach"), file, u8("molvanth-server@example.org")}));

  // Without the mail program: a German message, nothing started.
  const auto missing = cliWithPath({u8("send"), u8("--dir"), dir}, tmp.filePath(u8("leer")));
  EXPECT_EQ(missing.code, 1);
  EXPECT_TRUE(missing.err.contains(u8("„xdg-email“ wurde nicht gefunden"))) << missing.err.toStdString();
}

TEST(CliSend, TemplateCheckAndSendWarnAboutAMissingPassword) {
  QTemporaryDir tmp;
  const QString dir = tmp.filePath(u8("z"));
  ASSERT_EQ(testsupport::cli({u8("init"), dir}).code, 0);
  ASSERT_EQ(testsupport::cli({u8("import"), u8("--dir"), dir, u8("--typ"), u8("Molvanth"), u8("--ja"),
                              testsupport::testData(u8("481-beispiel.cr"))})
                .code,
            0);
  const QList<QStringList> commands = {{u8("template")}, {u8("check")}, {u8("send"), u8("--print")}};
  for (const QStringList& command : commands) {
    const auto run = testsupport::cli(command + QStringList{u8("--dir"), dir});
    EXPECT_TRUE(run.err.contains(templatepassword::missingPasswordWarning()))
        << command.join(u' ').toStdString() << ": " << run.err.toStdString();
  }
}

}  // namespace
