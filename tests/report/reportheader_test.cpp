#include <gtest/gtest.h>

#include <QFile>

#include "game/textutil.h"
#include "report/importerror.h"
#include "report/importstate.h"
#include "report/linedecoder.h"
#include "report/reportfile.h"
#include "report/reportheader.h"
#include "support/testsupport.h"

using reportheader::roundDate;

TEST(ReportHeader, RoundCodesAndBothCalendars) {
  EXPECT_EQ(roundDate(450, false).roundCode, 3806);
  EXPECT_EQ(roundDate(450, false).dateText, QStringLiteral("Juni im Jahre 38"));
  EXPECT_EQ(roundDate(450, true).roundCode, 3806);
  EXPECT_EQ(roundDate(450, true).dateText, QStringLiteral("Mond der milden Winde, Woche3 im Jahre 10"));
  EXPECT_EQ(roundDate(12, false).roundCode, 112);
  EXPECT_EQ(roundDate(13, false).roundCode, 201);
  EXPECT_EQ(roundDate(13, false).dateText, QStringLiteral("Januar im Jahre 2"));
  // Up to round 183 Molvanth uses the month names too.
  EXPECT_EQ(roundDate(183, true).dateText, QStringLiteral("Maerz im Jahre 16"));
  EXPECT_EQ(roundDate(184, true).dateText, QStringLiteral("Feldsegen, Woche 1 im Jahre 1"));
  EXPECT_EQ(roundDate(210, true).dateText, QStringLiteral("Sonnenfeuer, Woche 3 im Jahre 1"));
  EXPECT_EQ(roundDate(211, true).dateText, QStringLiteral("Feldsegen, Woche 1 im Jahre 2"));
  // The game's turn number comes back from the code, at year ends and before round 1 too.
  for (int round : {1, 11, 12, 13, 334, 450, 1235, 0, -1, -12, -13})
    EXPECT_EQ(reportheader::gameRound(roundDate(round, false).roundCode), round) << round;
}

TEST(ReportHeader, HeaderWalkReadsItsValuesAndStopsAtTheFirstPlainLine) {
  testsupport::ImportFixture fx(kMolvanth);
  fx.setReport({"VERSION 45", "\"Molvanth\";Spiel", "36;Basis", "450;Runde", "PARTEI 757", "120;Punkte",
                "80;Punktedurchschnitt", "50;Rekrutierungskosten", "3;Anzahl Immigranten", "9;Max. Immigranten",
                "\"Die Lastträger\";Parteiname", "\"geheim\";Passwort", "EREIGNISSE", "\"x\""},
               1);
  EXPECT_EQ(reportheader::readVersion(*fx.state), 45);
  fx.state->currentLine = 1;
  EXPECT_EQ(reportheader::readHeader(*fx.state), reportheader::HeaderResult::Read);
  EXPECT_EQ(fx.state->currentLine, 12);
  EXPECT_EQ(fx.game.ownPartyNumber, 757);
  EXPECT_EQ(fx.game.roundCode, 3806);
  EXPECT_EQ(fx.status.punkte, QStringLiteral("120"));
  EXPECT_EQ(fx.status.punkteMittel, QStringLiteral("80"));
  EXPECT_EQ(fx.state->header.recruitCost, 50);
  EXPECT_EQ(fx.status.immigranten, QStringLiteral("3"));
  EXPECT_EQ(fx.status.maxImmigranten, QStringLiteral("9"));
  EXPECT_EQ(fx.game.ownPartyName, QStringLiteral("Die Lastträger"));
  EXPECT_EQ(fx.state->header.password, QStringLiteral("geheim"));
}

TEST(ReportHeader, OtherGameTypeAndBadNumbersAreRefused) {
  testsupport::ImportFixture molvanth(kMolvanth);
  molvanth.setReport({"VERSION 45", "\"Quarnel\";Spiel", "1;Runde", "x"}, 1);
  EXPECT_EQ(reportheader::readHeader(*molvanth.state), reportheader::HeaderResult::WrongGameType);

  testsupport::ImportFixture quarnel(kQuarnel);
  quarnel.setReport({"VERSION 45", "\"molvanth\";Spiel", "1;Runde", "x"}, 1);  // other spellings pass
  EXPECT_EQ(reportheader::readHeader(*quarnel.state), reportheader::HeaderResult::Read);

  testsupport::ImportFixture bad(kMolvanth);
  bad.setReport({"VERSION 45", "vier;Runde", "x"}, 1);
  try {
    reportheader::readHeader(*bad.state);
    FAIL();
  } catch (const ImportError& e) {
    EXPECT_EQ(e.lineIndex(), 1);
    EXPECT_TRUE(e.message().contains(QStringLiteral("Zeile 2")));
    EXPECT_TRUE(e.message().contains(QStringLiteral("vier;Runde")));
  }
  testsupport::ImportFixture base(kMolvanth);
  base.setReport({"VERSION 45", "0;Basis", "x"}, 1);
  EXPECT_THROW(reportheader::readHeader(*base.state), ImportError);

  testsupport::ImportFixture version(kMolvanth);
  version.setReport({"VERSION abc"});
  EXPECT_THROW(reportheader::readVersion(*version.state), ImportError);
  version.setReport({"VERSION 64;x"});
  EXPECT_EQ(reportheader::readVersion(*version.state), 64);
  EXPECT_FALSE(reportheader::versionSupported(46));
  EXPECT_FALSE(reportheader::versionSupported(33));
  EXPECT_TRUE(reportheader::versionSupported(34));
  EXPECT_TRUE(reportheader::versionSupported(45));
}

TEST(ReportFile, DecodesByCharsetLineOrByContent) {
  EXPECT_EQ(reportfile::decode(QByteArray("VERSION 64\r\n\"ISO-8859-1\";charset\r\n\"Stra\xDF" "e\";Name")),
            QStringLiteral("VERSION 64\r\n\"ISO-8859-1\";charset\r\n\"Straße\";Name"));
  EXPECT_EQ(reportfile::decode(QByteArray("\xEF\xBB\xBFVERSION 64\n\"UTF-8\";charset\n\"\xC3\xA4\"")),
            QStringLiteral("VERSION 64\n\"UTF-8\";charset\n\"ä\""));
  EXPECT_EQ(reportfile::decode(QByteArray("VERSION 45\n\"Gr\xFC\xDF" "e\";Name")),
            QStringLiteral("VERSION 45\n\"Grüße\";Name"));
  EXPECT_EQ(reportfile::decode(QByteArray("VERSION 45\n\"Gr\xC3\xBC\xC3\x9F" "e\";Name")),
            QStringLiteral("VERSION 45\n\"Grüße\";Name"));
  const auto lines = reportfile::load(testsupport::sharedReport(QStringLiteral("550-beispiel-latin1.cr")), nullptr);
  ASSERT_TRUE(lines.has_value());
  EXPECT_TRUE(lines->join(QLatin1Char('\n')).contains(QStringLiteral("ü")));
  EXPECT_FALSE(lines->join(QLatin1Char('\n')).contains(QChar(0xFFFD)));
}

// The whole decoded text cut into report lines: at LF (at CR in a text
// without any LF), without the blanks, tabs and CRs that end a line, and
// without the CRs inside one.
QStringList wholeTextLines(const QString& text) {
  const QChar end = text.contains(QLatin1Char('\n')) ? QLatin1Char('\n') : QLatin1Char('\r');
  QStringList lines;
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype stop = text.indexOf(end, start);
    if (stop < 0) stop = text.size();
    qsizetype last = stop;
    while (last > start && (text.at(last - 1) == u' ' || text.at(last - 1) == u'\t' || text.at(last - 1) == u'\r'))
      --last;
    QString line = text.mid(start, last - start);
    if (line.contains(QLatin1Char('\r'))) line.remove(QLatin1Char('\r'));
    lines << line;
    start = stop + 1;
  }
  return lines;
}

// Splitting the bytes before decoding must give the very lines that
// decoding the whole text and cutting it gives: the same texts, the same
// empty lines, the same replacement of broken UTF-8.
TEST(ReportFile, LineWiseDecodingEqualsDecodingTheWholeText) {
  const QList<QByteArray> inputs = {
      QByteArray("VERSION 64\r\n\"UTF-8\";charset\r\n\r\n\"\xC3\xA4\";Name\r\nlast"),
      QByteArray("\xEF\xBB\xBFVERSION 64\n\"UTF-8\";charset\n\n\"\xC3\";broken\r\rEND\n"),
      QByteArray("VERSION 64\r\"ISO-8859-1\";charset\r\n\"Stra\xDF" "e\"\n\n"),
      QByteArray("VERSION 64\n\"WINDOWS-1252\";charset\n\"\x80 \x9C\"\r\n"),
      QByteArray("VERSION 45\n\"Gr\xFC\xDF" "e\";Name\n"),
      QByteArray("VERSION 45\n\"\xEF\xBF\xBD\";Name\n\"\xC3\xBC\"\n"),
      QByteArray("VERSION 45\n\"\xEF\xBF\xBD\";Name\n\"\xFC\"\n"),
      QByteArray("VERSION 45\n\"UTF-8\";charset"),
      // Every mix of line ends: LF then CR LF, CR then LF, CR at the very end.
      QByteArray("VERSION 45\n\r\na\r\n\r\rb\n\nc\r"),
      QByteArray("\r\n\n\r"),
      // Blanks and tabs at line ends, a CR inside a quoted value, CR-only line ends.
      QByteArray("VERSION 45 \nREGION -11 8 \t\r\n\"LERNE Magie\r\"\r\n\"Ozean\";Terrain \r \n  "),
      QByteArray("VERSION 45\r\"Au\";Name \rEINHEIT 1\r"),
      QByteArray(),
  };
  QList<QByteArray> all = inputs;
  for (const char* name : {"1234-neue-partei.cr", "334-kampf-bom.cr", "481-beispiel.cr", "550-beispiel-latin1.cr",
                           "astral-latin1.cr"}) {
    QFile file(testsupport::sharedReport(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    all << file.readAll();
  }
  for (const QByteArray& bytes : all) {
    const QStringList whole = wholeTextLines(reportfile::decode(bytes));
    const QStringList lineWise = reportfile::decodeLines(bytes);
    ASSERT_EQ(lineWise.size(), whole.size()) << bytes.left(40).toStdString();
    for (qsizetype i = 0; i < whole.size(); ++i) {
      EXPECT_EQ(lineWise.at(i), whole.at(i)) << "line " << i;
      EXPECT_EQ(lineWise.at(i).isNull(), whole.at(i).isNull()) << "line " << i;
    }
  }
}

// The readers may ask for any line while the rest is still being decoded:
// each comes as decodeLines() gives it, the last one included.
TEST(ReportFile, LinesDecodedInTheBackgroundArriveWhole) {
  QByteArray bytes("VERSION 45\r\n");
  for (int i = 0; i < 200000; ++i) bytes += "\"Gr\xC3\xBC\xC3\x9F" "e " + QByteArray::number(i) + "\";Name\r\n";
  bytes += "last";
  const QStringList expected = reportfile::decodeLines(bytes);
  for (const int firstAsked : {0, 199999, 200001}) {
    testsupport::ImportFixture fx;
    ImportState& s = *fx.state;
    LineDecoder decoder(bytes, s.lines);
    ASSERT_EQ(s.lineCount(), expected.size());
    EXPECT_EQ(s.lineAt(firstAsked), expected.at(firstAsked));
    for (int i = 0; i < s.lineCount(); ++i) {
      if (s.lineAt(i) != expected.at(i)) {
        FAIL() << "line " << i;
      }
    }
    decoder.finish();
    EXPECT_EQ(s.lineAt(s.lineCount() - 1), QStringLiteral("last"));
  }
}
