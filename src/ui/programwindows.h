#pragma once
// The whole program over one program folder: the game database, the main
// window and the dialogs TForm2 to TForm10, created in that order and wired
// together as the program entry starts them.
#include <QString>

#include "turn/gameopening.h"
#include "turn/opengame.h"
#include "db/database.h"
#include "ui/tform1.h"
#include "ui/tform10.h"
#include "ui/tform2.h"
#include "ui/tform3.h"
#include "ui/tform4.h"
#include "ui/tform5.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
#include "ui/tform8.h"
#include "ui/tform9.h"

class ProgramWindows {
 public:
  // Opens the database in `folder` (throws DbError) and reads zendral.cfg
  // from it; a faulty file is kept in startError() for the player.
  explicit ProgramWindows(const QString& folder);
  ~ProgramWindows();

  // The main window maximized and disabled, "Spielwahl" centred on top.
  void show();

  const QString& folder() const { return folder_; }
  const QString& startError() const { return start_.error; }

 private:
  QString folder_;
  gameopening::StartConfig start_;

 public:
  Database db;
  OpenGame game;
  TForm1 form1;
  TForm2 form2;
  TForm3 form3;
  TForm4 form4;
  TForm5 form5;
  TForm6 form6;
  TForm7 form7;
  TForm8 form8;
  TForm9 form9;
  TForm10 form10;
};
