#pragma once
// Which program folder a started program works in: the folder it was
// started in when that holds zendral.cfg, else the player's data folder
// (~/.local/share/zendral) when that does. Started from the desktop menu the
// start folder is the home folder, which is no program folder.
#include <QString>
#include <QStringList>

namespace startfolder {

// $XDG_DATA_HOME/zendral, by default ~/.local/share/zendral.
QString dataFolder();

struct Found {
  QString folder;       // empty: neither folder holds zendral.cfg
  QStringList missing;  // what the found folder lacks (the database)
  bool complete() const { return !folder.isEmpty() && missing.isEmpty(); }
};

// Looks in the start folder first, then in the data folder.
Found find(const QString& startDir, const QString& dataDir);

}  // namespace startfolder
