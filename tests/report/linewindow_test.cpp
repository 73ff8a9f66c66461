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
  // In order with lines let go behind (freed here or by the decoder's
  // thread), and by jumps far ahead.
  enum class Walk { InOrder, InOrderDecoderFrees, Jumps };
  for (const Walk walk : {Walk::InOrder, Walk::InOrderDecoderFrees, Walk::Jumps}) {
    const bool jump = walk == Walk::Jumps;
    testsupport::ImportFixture fx;
    ImportState& s = *fx.state;
    LineDecoder decoder(bytes, s.lines, 300);
    s.readyLines = &decoder.ready();
    s.allowedLines = &decoder.allowed();
    if (walk == Walk::InOrderDecoderFrees) s.releaseMark = &decoder.released();
    s.lineWindow = 300;
    ASSERT_EQ(s.lineCount(), expected.size());
    if (jump) {
      for (const int i : {99999, 5, 100002, 50000}) EXPECT_EQ(s.lineAt(i), expected.at(i)) << i;
    } else {
      for (int i = 0; i < s.lineCount(); ++i) {
        ASSERT_EQ(s.lineAt(i), expected.at(i)) << i;
        s.releaseLinesBefore(i);
      }
      EXPECT_GT(s.releasedLines, 90000);
      // A line let go reads as empty, whoever frees it.
      EXPECT_TRUE(s.lineAt(0).isEmpty());
    }
    decoder.finish();
    if (!jump) {
      EXPECT_TRUE(s.lines.at(0).isEmpty()) << int(walk);
    }
    const ReportBlockCounts& c = decoder.counts();
    EXPECT_EQ(c.regions, 1);
    EXPECT_EQ(c.units, 50000);
    EXPECT_EQ(c.factions, 1);
  }
}

}  // namespace
