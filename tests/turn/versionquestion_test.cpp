// The version question and the slot's "Nicht mehr fragen".
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "game/gamesession.h"
#include "turn/reportimporter.h"
#include "support/testsupport.h"

namespace {

TEST(VersionQuestion, ATickedYesIsRememberedPerSlotForThatVersionAndOlderNewFormats) {
  QTemporaryDir dir;
  GameSession session;
  session.slot = 2;
  session.programPath = dir.path() + QLatin1Char('/');
  versionquestion::Answer answer;
  QStringList questions, told;
  ImportCallbacks callbacks;
  callbacks.askVersion = [&](const QString& q) {
    questions << q;
    return answer;
  };
  callbacks.inform = [&](const QString& m) { told << m; };
  // Each step: the report's version, the player's answer, whether it is read
  // and whether the question came.
  const struct {
    int version;
    bool yes, tick, read, asked;
  } steps[] = {
      {45, false, false, true, false},  // read without question
      {64, false, true, false, true},   // "Nein" with the box ticked remembers nothing
      {64, true, false, true, true},    // "Ja" without the box
      {64, true, true, true, true},     // "Ja" with the box: remembered
      {64, false, false, true, false},  // from now on no question
      {50, false, false, true, false},  // an older new format neither
      {65, false, false, false, true},  // a newer one is asked again
      {33, false, false, false, true},  // an old one always
  };
  for (const auto& s : steps) {
    questions.clear();
    answer = {s.yes, s.tick};
    EXPECT_EQ(versionquestion::mayRead(session, s.version, callbacks), s.read) << s.version;
    EXPECT_EQ(!questions.isEmpty(), s.asked) << s.version;
  }
  EXPECT_TRUE(versionquestion::rememberedPath(session).endsWith(QStringLiteral("cr-version-2.txt")));
  GameSession other = session;
  other.slot = 3;
  EXPECT_EQ(versionquestion::rememberedVersion(other), 0);  // another slot asks on its own
  testsupport::writeFile(versionquestion::rememberedPath(session), "vierundsechzig\n");
  EXPECT_EQ(versionquestion::rememberedVersion(session), 0);  // a garbled file counts as none
  EXPECT_TRUE(told.isEmpty());

  // A file that cannot be written is told, and the report is still read.
  session.programPath = dir.filePath(QStringLiteral("gibt-es-nicht/"));
  answer = {true, true};
  EXPECT_TRUE(versionquestion::mayRead(session, 64, callbacks));
  ASSERT_EQ(told.size(), 1);
  EXPECT_TRUE(told.first().contains(QStringLiteral("cr-version-2.txt")));
}

}  // namespace
