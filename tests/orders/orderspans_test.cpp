// The spans the highlighting colours in a line of orders.
#include <gtest/gtest.h>

#include "orders/orderspans.h"

namespace {

using orderspans::Kind;

TEST(OrderSpans, EachPartOfALineGetsItsKind) {
  struct Row {
    const char* line;
    QList<orderspans::Span> spans;
  };
  const QList<Row> rows = {
      {" EINHEIT ab;\tHugo", {{Kind::Frame, 1, 16}, {Kind::Comment, 11, 6}}},
      {"  kaempfe hinten", {{Kind::Keyword, 2, 7}}},
      {"ARBIETE", {{Kind::UnknownKeyword, 0, 7}}},
      {"BENENNE EINHEIT \"Hu go\" ; x", {{Kind::Keyword, 0, 7}, {Kind::Quoted, 16, 7}, {Kind::Comment, 24, 3}}},
      {"@ LERNE Reiten", {{Kind::Repeat, 0, 1}, {Kind::Keyword, 2, 5}}},
      {"  // Plan", {{Kind::CommentOrder, 2, 7}}},
      {"; nur Kommentar", {{Kind::Comment, 0, 15}}},
      {"", {}},
  };
  for (const Row& r : rows) {
    const QList<orderspans::Span> got = orderspans::spans(QString::fromUtf8(r.line));
    ASSERT_EQ(got.size(), r.spans.size()) << r.line;
    for (int i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got.at(i).kind, r.spans.at(i).kind) << r.line << " #" << i;
      EXPECT_EQ(got.at(i).start, r.spans.at(i).start) << r.line << " #" << i;
      EXPECT_EQ(got.at(i).length, r.spans.at(i).length) << r.line << " #" << i;
    }
  }
}

}  // namespace
