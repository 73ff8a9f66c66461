#include <gtest/gtest.h>

#include "game/textutil.h"

using textutil::strictInt;

TEST(TextUtil, StrictIntAcceptsOnlyWholeDecimalNumbers) {
  EXPECT_EQ(strictInt(u"42"), 42);
  EXPECT_EQ(strictInt(u"-7"), -7);
  EXPECT_EQ(strictInt(u"+7"), 7);
  EXPECT_EQ(strictInt(u"  5"), 5);
  EXPECT_EQ(strictInt(u"2147483647"), 2147483647);
  EXPECT_EQ(strictInt(u"-2147483648"), qint32(-2147483647 - 1));
  for (const char16_t* bad : {u"", u"-", u"5 ", u"1.5", u"0x10", u"12a", u"2147483648", u"99999999999999999999"})
    EXPECT_FALSE(strictInt(bad).has_value()) << QString::fromUtf16(bad).toStdString();
}

TEST(TextUtil, SplitLinesHandlesMixedLineEnds) {
  EXPECT_EQ(textutil::splitLines(QStringLiteral("a\r\nb\nc\rd")), (QStringList{"a", "b", "c", "d"}));
  EXPECT_EQ(textutil::splitLines(QStringLiteral("a\r\n\r\nb\r\n")), (QStringList{"a", "", "b"}));
  EXPECT_TRUE(textutil::splitLines(QString()).isEmpty());
}

TEST(TextUtil, DecodesUtf8Latin1AndWindows1252) {
  EXPECT_EQ(textutil::decodeAuto(QByteArray("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F")), QStringLiteral("Grüß"));
  EXPECT_EQ(textutil::decodeAuto(QByteArray("Gr\xFC\xDF")), QStringLiteral("Grüß"));
  EXPECT_EQ(textutil::decodeAuto(QByteArray("\x80 5")), QStringLiteral("€ 5"));
}

TEST(TextUtil, JoinPathToleratesDoubledAndOldSeparators) {
  EXPECT_EQ(textutil::joinPath(QStringLiteral("/z/"), QStringLiteral("/images/x.bmp")), QStringLiteral("/z/images/x.bmp"));
  EXPECT_EQ(textutil::joinPath(QStringLiteral("/z"), QStringLiteral("zendral.cfg")), QStringLiteral("/z/zendral.cfg"));
  EXPECT_EQ(textutil::joinPath(QStringLiteral("/z\\"), QStringLiteral("\\status-data\\")), QStringLiteral("/z/status-data/"));
  EXPECT_EQ(textutil::normalizeDirectory(QStringLiteral("/z")), QStringLiteral("/z/"));
}

TEST(TextUtil, PositionTexts) {
  int x = 0, y = 0, level = 0;
  EXPECT_TRUE(textutil::parsePosition(" -7/12/1 ", &x, &y, &level));
  EXPECT_EQ(QList<int>({x, y, level}), QList<int>({-7, 12, 1}));
  for (const char* bad : {"3", "3/4/1/2", "a/4", "", "3/4/x"}) EXPECT_FALSE(textutil::parsePosition(bad, &x, &y, &level)) << bad;
}
