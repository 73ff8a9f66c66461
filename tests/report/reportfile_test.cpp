// Report lines decoded by the charset the header names: plain ASCII lines
// take a shorter way than the others and must come out the same.
#include <gtest/gtest.h>

#include "report/reportfile.h"

namespace {

struct Case {
  const char* charset;  // named in the header line
  QByteArray line;      // one line of the report, in that charset
  QString expected;
};

TEST(ReportFile, LinesDecodeByTheirCharsetWhetherAsciiOrNot) {
  const QList<Case> cases = {
      {"UTF-8", "\"Nord\";Name", QStringLiteral("\"Nord\";Name")},
      {"UTF-8", "\"N\xC3\xA4he\";Name", QStringLiteral("\"Nähe\";Name")},
      {"UTF-8", "\"Lange Zeile mit mehr als acht Zeichen\";Beschr",
       QStringLiteral("\"Lange Zeile mit mehr als acht Zeichen\";Beschr")},
      {"ISO-8859-1", "\"Stra\xDF" "e\";typ", QStringLiteral("\"Straße\";typ")},
      {"ISO-8859-1", "EINHEIT 12", QStringLiteral("EINHEIT 12")},
      {"WINDOWS-1252", "\"\x80 und \x84\";Text", QStringLiteral("\"€ und „\";Text")},
      {"WINDOWS-1252", "7;Anzahl", QStringLiteral("7;Anzahl")},
      // A CR inside a line is dropped, in an ASCII line as in another one.
      {"UTF-8", "\"ARBEITE\rN\";x\r\n", QStringLiteral("\"ARBEITEN\";x")},
      {"UTF-8", "\"\xC3\xA4\rb\";x\r\n", QStringLiteral("\"äb\";x")},
  };
  for (const Case& c : cases) {
    const QByteArray bytes = QByteArray("VERSION 45\r\n\"") + c.charset + "\";charset\r\n" + c.line;
    const QStringList lines = reportfile::decodeLines(bytes);
    ASSERT_EQ(lines.size(), 3) << c.line.constData();
    EXPECT_EQ(lines.at(2), c.expected) << c.charset << " " << c.line.constData();
    EXPECT_EQ(lines.at(0), QStringLiteral("VERSION 45"));
  }
}

}  // namespace
