#include <gtest/gtest.h>

#include "game/codec.h"

using codec::Decode;
using codec::Encode;
using codec::PerPerson;

TEST(Codec, EncodesTheKnownTable) {
  const std::pair<qint32, const char*> table[] = {
      {0, ""},     {1, "1"},     {10, "a"},     {20, "k"},      {21, "L"},           {35, "z"},
      {36, "10"},  {757, "L1"},  {1295, "zz"},  {1296, "100"},  {2147483647, "zik0zj"}, {-5, ""}};
  for (const auto& [n, text] : table) EXPECT_EQ(Encode(n), QString::fromLatin1(text)) << n;
}

TEST(Codec, DecodesBothCasesEmptyAndForeignCharacters) {
  EXPECT_EQ(Decode(QStringLiteral("L1")), 757);
  EXPECT_EQ(Decode(QStringLiteral("l1")), 757);
  EXPECT_EQ(Decode(QStringLiteral("10")), 36);
  EXPECT_EQ(Decode(QString()), 0);
  EXPECT_EQ(Decode(QStringLiteral("1-")), 35);  // the minus counts -1
  EXPECT_EQ(Decode(QStringLiteral("zik0zj")), 2147483647);
}

TEST(Codec, RoundTripsAndOtherBases) {
  for (qint32 n : {1, 2, 35, 36, 37, 1000, 46655, 46656, 123456789, 2147483646, 2147483647})
    EXPECT_EQ(Decode(Encode(n)), n) << n;
  for (qint32 n = 1; n < 5000; ++n) ASSERT_EQ(Decode(Encode(n)), n);
  EXPECT_EQ(Encode(205, 10), QStringLiteral("205"));
  EXPECT_EQ(Decode(QStringLiteral("205"), 10), 205);
}

TEST(Codec, PerPersonDividesTheLeadingNumber) {
  EXPECT_EQ(PerPerson(QStringLiteral("450 5"), 3), QStringLiteral("[150] 5"));
  EXPECT_EQ(PerPerson(QStringLiteral("100 4"), 3), QStringLiteral("[33] 4"));
  EXPECT_EQ(PerPerson(QStringLiteral("-100 4"), 3), QStringLiteral("[-33] 4"));
  // A unit without persons or a text without a number keeps its entry.
  EXPECT_EQ(PerPerson(QStringLiteral("450 5"), 0), QStringLiteral("450 5"));
  EXPECT_EQ(PerPerson(QStringLiteral("viel"), 2), QStringLiteral("viel"));
  EXPECT_EQ(PerPerson(QStringLiteral("x 5"), 2), QStringLiteral("x 5"));
  EXPECT_EQ(PerPerson(QString(), 2), QString());
}
