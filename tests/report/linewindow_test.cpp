// A decoder that keeps only a window of lines ahead of the readers: every
// line still arrives whole, lines the readers are done with are let go, and
// a reader that jumps far ahead is not left waiting.
#include <gtest/gtest.h>

#include "report/importstate.h"
#include "report/linedecoder.h"
#include "report/reportfile.h"
#include "support/testsupport.h"

namespace {

QByteArray bigReport() {
  QByteArray bytes("VERSION 45\r\nREGION 0 0\r\n");
  for (int i = 0; i < 50000; ++i) bytes += "EINHEIT " + QByteArray::number(i) + "\r\n\"N\xC3\xA4me\";Name\r\n";
  return bytes + "PARTEI 3\r\nlast";
}

TEST(LineWindow, LinesArriveAndAreLetGo) {
  const QByteArray bytes = bigReport();
  const QStringList expected = reportfile::decodeLines(bytes);
  // In order with lines let go behind, and by jumps far ahead.
  for (const bool jump : {false, true}) {
    testsupport::ImportFixture fx;
    ImportState& s = *fx.state;
    LineDecoder decoder(bytes, s.lines, 300);
    ASSERT_EQ(s.lineCount(), expected.size());
    if (jump) {
      for (const int i : {99999, 5, 100002, 50000}) EXPECT_EQ(s.lineAt(i), expected.at(i)) << i;
    } else {
      for (int i = 0; i < s.lineCount(); ++i) {
        ASSERT_EQ(s.lineAt(i), expected.at(i)) << i;
        s.releaseLinesBefore(i);
      }
      EXPECT_GT(s.lines.released(), 90000);
      // A line let go reads as empty.
      EXPECT_TRUE(s.lineAt(0).isEmpty());
      EXPECT_EQ(s.lineAt(s.lineCount() - 1), QStringLiteral("last"));
    }
    decoder.finish();
    const ReportBlockCounts& c = decoder.counts();
    EXPECT_EQ(c.regions, 1);
    EXPECT_EQ(c.units, 50000);
    EXPECT_EQ(c.factions, 1);
  }
}

// A reader that gives up early (a damaged report) stops the decoder: the
// rest of the report is never decoded, and reads as empty.
TEST(LineWindow, ADecoderLeftEarlyStops) {
  const QByteArray bytes = bigReport();
  LineWindow lines;
  {
    LineDecoder decoder(bytes, lines, 300);
    EXPECT_EQ(lines.at(1), QStringLiteral("REGION 0 0"));
  }
  EXPECT_EQ(lines.size(), 100004);
  EXPECT_TRUE(lines.at(90000).isEmpty());
}

// Lines given whole (no decoder) read the same and are let go the same way.
TEST(LineWindow, LinesGivenWhole) {
  QStringList given;
  for (int i = 0; i < 10000; ++i) given << QString::number(i);
  LineWindow lines;
  lines = given;
  ASSERT_EQ(lines.size(), given.size());
  EXPECT_EQ(lines.at(9999), QStringLiteral("9999"));
  EXPECT_TRUE(lines.at(10000).isEmpty());
  lines.releaseBefore(9000);
  EXPECT_TRUE(lines.at(100).isEmpty());
  EXPECT_EQ(lines.at(9000), QStringLiteral("9000"));
  lines = QStringList{QStringLiteral("neu")};
  EXPECT_EQ(lines.at(0), QStringLiteral("neu"));
  EXPECT_EQ(lines.size(), 1);
}

}  // namespace
