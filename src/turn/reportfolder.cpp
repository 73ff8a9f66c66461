#include "turn/reportfolder.h"

#include <QFileInfo>

#include "game/textutil.h"

namespace reportfolder {

QString fileName() { return QStringLiteral("zendral-cr-ordner.txt"); }

QString lastFolder(const QString& programPath) {
  const auto lines = textutil::readLines(textutil::joinPath(programPath, fileName()));
  if (lines && !lines->isEmpty()) {
    const QString folder = lines->first().trimmed();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
  }
  return programPath;
}

QString remember(const QString& programPath, const QString& reportPath) {
  const QString folder = QFileInfo(reportPath).absolutePath();
  if (folder == lastFolder(programPath)) return QString();
  return textutil::writeLinesAtomic(textutil::joinPath(programPath, fileName()), {folder});
}

}  // namespace reportfolder
