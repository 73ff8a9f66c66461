#pragma once
// The folder of the last report read, so that the next "&CR einlesen"
// opens there. It is kept in its own file next to zendral.cfg
// ("zendral-cr-ordner.txt"), not in the configuration's fixed lines.
#include <QString>

namespace reportfolder {

QString fileName();

// The folder remembered in the program folder, when it still exists;
// otherwise the program folder itself.
QString lastFolder(const QString& programPath);

// Remembers the folder of `reportPath`. Returns an empty text, or the German
// message when the file cannot be written.
QString remember(const QString& programPath, const QString& reportPath);

}  // namespace reportfolder
