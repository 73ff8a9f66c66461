#pragma once
// A program folder: zendral.cfg, images/, status-data/ and the database.
#include <QString>
#include <QStringList>

namespace programfolder {

// The status file names of a slot ("1-kaempfe.txt", ...), in the order of
// the table of report pages.
QStringList statusFileNames(int slot);

// Creates what is missing of a complete new program folder in `dir` and
// returns the German lines that say what was created. Existing files are
// never overwritten. Throws ConfigError with a German message on failure.
QStringList initProgramFolder(const QString& dir);

// Writes the standard terrain tiles that `images` lacks: copies of the ones
// in `installed` (the installed default tiles, which a packager or player may
// have replaced), else drawn. Returns how many were written; throws
// ConfigError naming the file that could not be written.
int writeStandardTiles(const QString& images, const QString& installed = QString());
// The default tiles installed with the program (<prefix>/share/zendral/images),
// or empty when the program runs from its build folder.
QString installedTilesFolder();

// True when `dir` holds a zendral.cfg.
bool hasConfig(const QString& dir);

}  // namespace programfolder
