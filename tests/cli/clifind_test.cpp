// zendral-cli find and points: the search's hits one a line, and the points
// history drawn into a PNG.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "support/clirun.h"
#include "support/testsupport.h"

namespace {

using testsupport::cli;

struct ReadFolder {
  ReadFolder() {
    EXPECT_EQ(cli({QStringLiteral("init"), dir.path()}).code, 0);
    const auto imported = cli({QStringLiteral("import"), QStringLiteral("--dir"), dir.path(), QStringLiteral("--typ"),
                               QStringLiteral("Molvanth"), QStringLiteral("--ja"),
                               testsupport::sharedReport(QStringLiteral("334-kampf-bom.cr"))});
    EXPECT_EQ(imported.code, 0) << imported.err.toStdString();
  }
  testsupport::CliRun run(const QStringList& rest) {
    return cli(QStringList{rest.first(), QStringLiteral("--dir"), dir.path()} + rest.mid(1));
  }
  QTemporaryDir dir;
};

TEST(CliFind, EachKindOfHitOneALine) {
  ReadFolder f;
  // From the report: region -2011 0 "Vosal", unit 133109 (2uph in base 36),
  // building 979180 (kzjg) "Leuchtturm" there, ship 548842 (brhm) "Boot" in -2011 2.
  const struct {
    QStringList args;
    const char* line;
  } cases[] = {
      {{QStringLiteral("find"), QStringLiteral("vosal")}, "Region -2011/0 Vosal"},
      {{QStringLiteral("find"), QStringLiteral("-2011"), QStringLiteral("0")}, "Region -2011/0 Vosal"},
      {{QStringLiteral("find"), QStringLiteral("-2011 0")}, "Region -2011/0 Vosal"},
      {{QStringLiteral("find"), QStringLiteral("2uph")}, "Einheit 2uph Einheit 2uph (-2011/0)"},
      {{QStringLiteral("find"), QStringLiteral("kzjg")}, "Burg kzjg Leuchtturm (-2011/0)"},
      {{QStringLiteral("find"), QStringLiteral("brhm")}, "Schiff brhm Boot (-2011/2)"},
  };
  for (const auto& c : cases) {
    const auto r = f.run(c.args);
    EXPECT_EQ(r.code, 0) << c.line << r.err.toStdString();
    EXPECT_TRUE(r.out.split(QLatin1Char('\n')).contains(QString::fromUtf8(c.line)))
        << c.line << " in:\n" << r.out.toStdString();
  }
  // The ship's number as decimal is not how Molvanth writes it: no hit, exit 1.
  const auto none = f.run({QStringLiteral("find"), QStringLiteral("548842")});
  EXPECT_EQ(none.code, 1);
  EXPECT_TRUE(none.out.isEmpty());
  EXPECT_TRUE(none.err.contains(QStringLiteral("Nichts gefunden zu „548842“"))) << none.err.toStdString();
  EXPECT_EQ(f.run({QStringLiteral("find")}).code, 2);
}

TEST(CliPoints, TheHistoryAsAPicture) {
  ReadFolder f;
  const QString png = f.dir.filePath(QStringLiteral("punkte.png"));
  const auto r = f.run({QStringLiteral("points"), QStringLiteral("--out"), png});
  ASSERT_EQ(r.code, 0) << r.err.toStdString();
  const QImage image(png);
  EXPECT_EQ(image.size(), QSize(900, 500));
  // Not a blank page: the axes, lines and legend leave many colours.
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
  EXPECT_GT(colours.size(), 20);
  EXPECT_NE(f.run({QStringLiteral("points")}).code, 0);  // --out is needed

  // A folder that has read nothing has no history to draw.
  QTemporaryDir fresh;
  ASSERT_EQ(cli({QStringLiteral("init"), fresh.path()}).code, 0);
  const auto empty = cli({QStringLiteral("points"), QStringLiteral("--dir"), fresh.path(), QStringLiteral("--out"),
                          fresh.filePath(QStringLiteral("p.png"))});
  EXPECT_NE(empty.code, 0);
  EXPECT_FALSE(empty.err.isEmpty());
}

}  // namespace
