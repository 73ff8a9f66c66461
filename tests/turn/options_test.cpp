#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "game/configfile.h"
#include "turn/gameopening.h"
#include "turn/options.h"

namespace {

struct OptionsTest : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(oldDir.isValid());
    ASSERT_TRUE(newDir.isValid());
    ConfigFile c(ConfigFile::freshLines(oldDir.path()), oldDir.filePath(QStringLiteral("zendral.cfg")));
    c.setSlotLine(2, ConfigFile::GameTypeText, QStringLiteral("Quarnel"));
    c.setSlotLine(2, ConfigFile::HomeX, QStringLiteral("3"));
    c.setSlotLine(2, ConfigFile::HomeY, QStringLiteral("-8"));
    c.setSlotLine(2, ConfigFile::CheckerPath, QStringLiteral("/opt/mcheck"));
    c.save();
    gameopening::beginSlot(session, 2, QStringLiteral("Zwei"), QStringLiteral("Quarnel"));
    gameopening::readSlotSettings(session, ConfigFile::load(c.path()));
  }
  QString oldFile() const { return oldDir.filePath(QStringLiteral("zendral.cfg")); }

  QTemporaryDir oldDir;
  QTemporaryDir newDir;
  GameSession session;
};

TEST_F(OptionsTest, OpeningShowsTheSlotLines) {
  const options::Working w = options::open(session);
  EXPECT_EQ(w.values.programPath, QDir(oldDir.path()).absolutePath() + QStringLiteral("/"));
  EXPECT_EQ(w.values.checkerPath, QStringLiteral("/opt/mcheck"));
  EXPECT_EQ(w.values.homeX, QStringLiteral("3"));
  EXPECT_EQ(w.values.homeY, QStringLiteral("-8"));
}

TEST_F(OptionsTest, ANewProgramPathIsWrittenAtTheOldPathAndUsedFromThenOn) {
  options::Working w = options::open(session);
  options::Values v = w.values;
  v.programPath = newDir.path() + QStringLiteral("/");
  v.checkerPath = QStringLiteral("/usr/local/bin/mcheck");
  v.homeX = QStringLiteral("10");
  v.homeY = QStringLiteral(" -4 ");
  options::save(session, w, v);

  const ConfigFile written = ConfigFile::load(oldFile());
  EXPECT_EQ(written.slotLine(2, ConfigFile::ProgramPath), newDir.path() + QStringLiteral("/"));
  EXPECT_EQ(written.slotLine(2, ConfigFile::CheckerPath), QStringLiteral("/usr/local/bin/mcheck"));
  EXPECT_EQ(written.slotLine(2, ConfigFile::HomeX), QStringLiteral("10"));
  EXPECT_EQ(written.slotLine(2, ConfigFile::HomeY), QStringLiteral("-4"));
  EXPECT_EQ(written.slotLine(2, ConfigFile::GameTypeText), QStringLiteral("Quarnel"));
  EXPECT_FALSE(QFileInfo::exists(newDir.filePath(QStringLiteral("zendral.cfg"))));

  EXPECT_EQ(session.path(QStringLiteral("zendral.cfg")), newDir.filePath(QStringLiteral("zendral.cfg")));
  EXPECT_EQ(session.checkerPath, QStringLiteral("/usr/local/bin/mcheck"));
  // The home region waits for the next opening.
  EXPECT_EQ(session.smallMapX, 3);
  EXPECT_EQ(session.smallMapY, -8);

  // From now on the options are read at the new path.
  EXPECT_THROW(options::open(session), ConfigError);
  QFile::copy(oldFile(), newDir.filePath(QStringLiteral("zendral.cfg")));
  EXPECT_EQ(options::open(session).values.homeX, QStringLiteral("10"));

  GameSession next;
  gameopening::beginSlot(next, 2, QString(), QStringLiteral("Quarnel"));
  gameopening::readSlotSettings(next, ConfigFile::load(oldFile()));
  EXPECT_EQ(next.smallMapX, 10);
  EXPECT_EQ(next.smallMapY, -4);
}

TEST_F(OptionsTest, InputThatWouldStopTheNextOpeningIsRefused) {
  const QStringList before = ConfigFile::load(oldFile()).lines();
  const QString pathBefore = session.programPath;
  for (const auto& [x, y, path] :
       {std::tuple{QStringLiteral("3a"), QStringLiteral("1"), QStringLiteral("/x/")},
        std::tuple{QStringLiteral("3"), QString(), QStringLiteral("/x/")},
        std::tuple{QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("  ")}}) {
    options::Working w = options::open(session);
    options::Values v{path, QStringLiteral("/neu/mcheck"), x, y, QString()};
    EXPECT_THROW(options::save(session, w, v), ConfigError) << x.toStdString() << "/" << y.toStdString();
  }
  EXPECT_EQ(ConfigFile::load(oldFile()).lines(), before);
  EXPECT_EQ(session.programPath, pathBefore);
  EXPECT_EQ(session.checkerPath, QStringLiteral("/opt/mcheck"));
}

}  // namespace
