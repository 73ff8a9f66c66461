#include <gtest/gtest.h>

#include "possessions/possessionstree.h"

namespace {

// Sums are kept as numbers while the import adds to them; the texts shown
// and saved must carry the sums all the same, also for children read back.
TEST(PossessionsTree, SumsShowInTheChildTextsAndInTheSavedLines) {
  PossessionsTree tree = PossessionsTree::fromLines(
      {QStringLiteral("Besitztümer"), QStringLiteral("Partei A (1)"), QStringLiteral("\tSilber:100"),
       QStringLiteral("\tSchwert")});
  const int party = tree.findTopLevel(QStringLiteral("Partei A (1)"));
  ASSERT_EQ(party, 1);
  tree.addToChild(party, QStringLiteral("Silber"), 50);
  tree.addToChild(party, QStringLiteral("Schwert"), 2);
  tree.addToChild(party, QStringLiteral("Holz"), 3);
  EXPECT_EQ(tree.nodes().at(party).children,
            QStringList({QStringLiteral("Silber:150"), QStringLiteral("Schwert:2"), QStringLiteral("Holz:3")}));
  tree.addToChild(party, QStringLiteral("Holz"), -1);
  tree.addToChild(party, QStringLiteral("Silber"), 1);
  EXPECT_EQ(tree.toLines(),
            QStringList({QStringLiteral("Besitztümer"), QStringLiteral("Partei A (1)"), QStringLiteral("\tSilber:151"),
                         QStringLiteral("\tSchwert:2"), QStringLiteral("\tHolz:2")}));
  tree.clear();
  EXPECT_TRUE(tree.nodes().isEmpty());
}

}  // namespace
