// The map commands of the headless tool on a real report.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "game/configfile.h"
#include "db/database.h"
#include "map/mapgeometry.h"
#include "map/worldmap.h"
#include "support/testsupport.h"

namespace {
struct CliResult {
  int code;
  QString out, err;
};
CliResult cli(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(ZENDRAL_CLI), args);
  p.waitForFinished(60000);
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
}  // namespace

TEST(MapCli, WorldMapOfAReadReportAndPickingItsTiles) {
  QTemporaryDir tmp;
  const QString dir = tmp.path();
  ASSERT_EQ(cli({QStringLiteral("init"), dir}).code, 0);
  const QStringList game = {QStringLiteral("--dir"), dir};
  ASSERT_EQ(cli(QStringList{QStringLiteral("import")} + game +
                QStringList{QStringLiteral("--typ"), QStringLiteral("Molvanth"), QStringLiteral("--ja"),
                            testsupport::sharedReport(QStringLiteral("481-beispiel.cr"))})
                .code,
            0);
  const QString png = tmp.filePath(QStringLiteral("karte.png"));
  const CliResult map = cli(QStringList{QStringLiteral("map")} + game +
                      QStringList{QStringLiteral("--overlay"), QStringLiteral("ships,units,messages"),
                                  QStringLiteral("--zoom"), QStringLiteral("2"), QStringLiteral("--out"), png});
  ASSERT_EQ(map.code, 0) << map.err.toStdString();

  Database db;
  db.open(dir + QStringLiteral("/Molvanth.sqlite"));
  const worldmap::Extent extent = worldmap::regionExtent(db, 1, 0);
  ASSERT_TRUE(extent.any);
  const QImage saved(dir + QStringLiteral("/images/worldmap-1.bmp"));
  EXPECT_EQ(saved.size(), QSize(extent.geometry.width(), extent.geometry.height()));
  EXPECT_EQ(QImage(png).size(), saved.size() * 2);
  const ConfigFile config = ConfigFile::load(dir + QStringLiteral("/zendral.cfg"));
  EXPECT_EQ(config.slotInt(1, ConfigFile::OriginX), extent.geometry.minX);
  EXPECT_EQ(config.slotInt(1, ConfigFile::OriginY), extent.geometry.minY);

  // The middle of each corner region's tile names that region.
  for (const auto& [x, y] : {std::pair{int(extent.geometry.minX), int(extent.geometry.minY)},
                             std::pair{int(extent.geometry.maxX), int(extent.geometry.maxY)}}) {
    const QPoint tile = extent.geometry.tileAt(x, y);
    const CliResult picked = cli(QStringList{QStringLiteral("pick")} + game +
                           QStringList{QStringLiteral("--world"), QString::number(tile.x() + 4),
                                       QString::number(tile.y() + 4)});
    EXPECT_EQ(picked.out.trimmed(), mapgeometry::coordinateText(x, y)) << picked.err.toStdString();
  }
  const CliResult small = cli(QStringList{QStringLiteral("pick")} + game +
                        QStringList{QStringLiteral("--small"), QStringLiteral("--x"), QStringLiteral("0"),
                                    QStringLiteral("--y"), QStringLiteral("0"), QStringLiteral("130"),
                                    QStringLiteral("116")});
  EXPECT_EQ(small.out.trimmed(), QStringLiteral("-1/1"));

  const CliResult smallmap = cli(QStringList{QStringLiteral("smallmap")} + game +
                           QStringList{QStringLiteral("--x"), QStringLiteral("14"), QStringLiteral("--y"),
                                       QStringLiteral("-27"), QStringLiteral("--out"), png});
  EXPECT_EQ(smallmap.code, 0) << smallmap.err.toStdString();
  EXPECT_EQ(QImage(png).size(), QSize(261, 261));
  for (const char* zoom : {"5", "0", "16", "x"})
    EXPECT_NE(cli(QStringList{QStringLiteral("map")} + game + QStringList{QStringLiteral("--zoom"), QString::fromLatin1(zoom)}).code, 0)
        << zoom;

  // Without a zoom the 1× picture; zoomed the sharp drawing, not that picture magnified.
  const QString plain = tmp.filePath(QStringLiteral("plain.png"));
  const QString sharp = tmp.filePath(QStringLiteral("sharp.png"));
  ASSERT_EQ(cli(QStringList{QStringLiteral("map")} + game + QStringList{QStringLiteral("--out"), plain}).code, 0);
  ASSERT_EQ(cli(QStringList{QStringLiteral("map")} + game +
                QStringList{QStringLiteral("--zoom"), QStringLiteral("4"), QStringLiteral("--out"), sharp})
                .code,
            0);
  EXPECT_EQ(QImage(plain).size(), saved.size());
  const QImage zoomed = QImage(sharp).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(zoomed.size(), saved.size() * 4);
  EXPECT_NE(zoomed, QImage(plain).convertToFormat(QImage::Format_RGB32).scaled(zoomed.size()));
  EXPECT_NE(cli(QStringList{QStringLiteral("map")} + game + QStringList{QStringLiteral("--level"), QStringLiteral("7")}).code, 0);
}
