#pragma once
// The main window over an in-memory database and a program folder with a
// zendral.cfg, with the dialogs it talks to and recorded prompts.
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "game/configfile.h"
#include "turn/opengame.h"
#include "db/database.h"
#include "ui/prompts.h"
#include "ui/tform1.h"
#include "ui/tform2.h"
#include "ui/tform3.h"
#include "ui/tform5.h"
#include "ui/tform7.h"

namespace uitest {

struct RecordedPrompts {
  QStringList confirmations, warnings, infos, errors, choices;
  bool answer = true;
  int choice = 0;  // the button chosen in questions with several buttons
  Prompts prompts();
};

struct MainWindowFixture {
  // Slot 1 Molvanth, slot 2 Quarnel, slot 3 without a type.
  MainWindowFixture();
  ~MainWindowFixture();
  QString configPath() const;
  // Makes the window again over the same database and folder.
  void recreateWindow();

  QTemporaryDir dir;
  ConfigFile config;
  Database db;
  OpenGame game;
  TForm2 form2;
  TForm3 form3;
  TForm5 form5;
  TForm7 form7;
  RecordedPrompts said;
  std::unique_ptr<TForm1> form1;
};

}  // namespace uitest
