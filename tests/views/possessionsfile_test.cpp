#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "game/gamesession.h"
#include "support/testsupport.h"
#include "views/possessionsfile.h"

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

struct PossessionsFileTest : ::testing::Test {
  QTemporaryDir dir;
  GameSession s;
  PossessionsFileTest() {
    s.slot = 2;
    s.roundCode = 310;
    s.programPath = dir.path() + QLatin1Char('/');
  }
};

TEST_F(PossessionsFileTest, MessagesWhenFilesAreMissing) {
  const possessionsfile::Loaded none = possessionsfile::loadCurrent(s);
  EXPECT_EQ(none.error, u8("Es sind noch keine Daten vorhanden. Bitte zuerst einen CR einlesen."));
  // The round before counts months: across a year change 4101 follows 4012.
  for (const auto& [code, previous] : {std::pair{310, "309"}, {4101, "4012"}, {4112, "4111"}, {3806, "3805"}}) {
    s.roundCode = code;
    EXPECT_EQ(possessionsfile::previousRound(s), u8(previous)) << code;
  }
  s.roundCode = 310;
  const QString missing = dir.path() + u8("/status-data/2-besitz.77");
  EXPECT_EQ(possessionsfile::loadRound(s, u8("77")).error, u8("Die Datei ") + missing + u8(" existiert nicht!"));
}

TEST_F(PossessionsFileTest, ReadsDepthFromTabsAndBlanksSortedAtEveryLevel) {
  testsupport::writeFile(dir.path() + u8("/status-data/2-besitz.309"),
                         u8("Besitztümer\r\nZwerge (7)\r\n\tSilber:5\r\n\tPersonen:3\r\n Axt:1\r\n"
                            "alte Freunde (9)\r\n\tSchwert:2\r\n\t\tversteckt:1\r\n\x1a\r\n")
                             .toUtf8());
  const possessionsfile::Loaded tree = possessionsfile::loadRound(s, u8("309"));
  ASSERT_TRUE(tree.ok()) << tree.error.toStdString();
  EXPECT_EQ(possessionsfile::toIndentedLines(tree.nodes),
            (QStringList{u8("alte Freunde (9)"), u8("  Schwert:2"), u8("    versteckt:1"), u8("Besitztümer"),
                         u8("Zwerge (7)"), u8("  Axt:1"), u8("  Personen:3"), u8("  Silber:5")}));
}

}  // namespace
