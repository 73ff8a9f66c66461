#include "turn/startfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "turn/programfolder.h"
#include "game/textutil.h"
#include "db/database.h"

namespace startfolder {

QString dataFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("zendral"));
}

Found find(const QString& startDir, const QString& dataDir) {
  Found found;
  for (const QString& dir : {startDir, dataDir}) {
    if (dir.isEmpty() || !programfolder::hasConfig(dir)) continue;
    found.folder = QDir(dir).absolutePath();
    if (!QFileInfo::exists(textutil::joinPath(dir, Database::fileName()))) found.missing << Database::fileName();
    return found;
  }
  return found;
}

}  // namespace startfolder
