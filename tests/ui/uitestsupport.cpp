#include "uitestsupport.h"

#include "game/textutil.h"

namespace uitest {

Prompts RecordedPrompts::prompts() {
  Prompts p;
  p.confirm = [this](const QString& t) {
    confirmations << t;
    return answer;
  };
  p.warnYesNo = [this](const QString& t) {
    warnings << t;
    return answer;
  };
  p.inform = [this](const QString& t) { infos << t; };
  p.error = [this](const QString& t) { errors << t; };
  p.choose = [this](const QString& t, const QStringList&) {
    choices << t;
    return choice;
  };
  return p;
}

MainWindowFixture::MainWindowFixture() {
  config = ConfigFile(ConfigFile::freshLines(dir.path()), configPath());
  config.setSlotLine(1, ConfigFile::SlotName, QStringLiteral("Erstes"));
  config.setSlotLine(1, ConfigFile::GameTypeText, QStringLiteral("Molvanth"));
  config.setSlotLine(1, ConfigFile::PartyName, QStringLiteral("Die Wölfe"));
  config.setSlotLine(1, ConfigFile::PartyNumber, QStringLiteral("757"));
  config.setSlotLine(1, ConfigFile::NewestRound, QStringLiteral("3806"));
  config.setSlotLine(2, ConfigFile::GameTypeText, QStringLiteral("Quarnel"));
  config.save();
  db.open(QStringLiteral(":memory:"), true);
  game.db = &db;
  recreateWindow();
}

MainWindowFixture::~MainWindowFixture() { form1.reset(); }

QString MainWindowFixture::configPath() const { return textutil::joinPath(dir.path(), ConfigFile::fileName()); }

void MainWindowFixture::recreateWindow() {
  form1.reset();
  form1 = std::make_unique<TForm1>(game);
  form1->setPrompts(said.prompts());
  form1->setStartConfig(ConfigFile::load(configPath()));
  TForm1::Dialogs d;
  d.form2 = &form2;
  d.form3 = &form3;
  d.form5 = &form5;
  d.form7 = &form7;
  form1->setDialogs(d);
}

}  // namespace uitest
