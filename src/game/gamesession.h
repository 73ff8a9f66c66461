#pragma once
// Program-wide values of the open game slot.
#include <QString>

#include "game/textutil.h"
#include "game/codec.h"

enum GameTypeId { kMolvanth = 1, kQuarnel = 2 };

struct GameSession {
  int slot = 1;
  QString slotName;
  QString gameTypeText;  // as handed over by the selection dialog
  int gameType = kMolvanth;
  QString ownPartyName;
  qint32 ownPartyNumber = 0;
  qint32 roundCode = 0;     // newest round code of the slot / of the report read
  QString programPath;      // ends with "/"
  double mapOriginX = 0;
  double mapOriginY = 0;
  int smallMapX = 0;
  int smallMapY = 0;
  int idBase = 36;
  int umlautFlag = 0;
  QString checkerPath;
  int currentLevel = 0;
  QString shownX;  // the hex the region view shows last, as decimal texts
  QString shownY;

  bool isMolvanth() const { return gameType == kMolvanth; }
  // Unit, building, ship and faction numbers as the game writes them.
  QString idText(qint32 n) const { return isMolvanth() ? codec::Encode(n, idBase) : QString::number(n); }
  // A file below the program path ("images/x.bmp", "status-data/1-x.txt").
  QString path(const QString& relative) const { return textutil::joinPath(programPath, relative); }
  QString statusPath(const QString& fileName) const { return path(QStringLiteral("status-data/") + fileName); }
};
