// Program entry of the desktop assistant: German texts, the program folder
// (the start folder or the player's data folder, set up on request), the
// game database, the main window and the dialogs; the player then chooses a
// game slot.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>

#include "game/configfile.h"
#include "turn/gameopening.h"
#include "turn/programfolder.h"
#include "turn/startfolder.h"
#include "db/database.h"
#include "db/dbbackup.h"
#include "db/dberror.h"
#include "ui/germantranslations.h"
#include "ui/programwindows.h"
#include "ui/toolicons.h"

namespace {

const QString kTitle = QStringLiteral("Zendral");

QString native(const QString& dir) { return QDir::toNativeSeparators(dir); }

// Creates what `dir` lacks; false (after saying why) when that fails.
bool setUp(const QString& dir) {
  try {
    const QStringList created = programfolder::initProgramFolder(dir);
    QMessageBox::information(nullptr, kTitle,
                             QStringLiteral("Der Programmordner %1 wurde eingerichtet:\n%2")
                                 .arg(native(dir), created.join(QLatin1Char('\n'))));
    return true;
  } catch (const ConfigError& e) {
    QMessageBox::critical(nullptr, kTitle, e.message());
  } catch (const DbError& e) {
    QMessageBox::critical(nullptr, kTitle, e.message());
  }
  return false;
}

// A damaged database: the player may go back to the copy made before the
// last import. True when that was done and the start can be tried again.
bool offerBackup(const QString& folder, const QString& error) {
  const QString dbPath = QDir(folder).filePath(Database::fileName());
  if (!dbbackup::isDamage(error) || !dbbackup::backupTime(dbPath).isValid()) {
    QMessageBox::critical(nullptr, kTitle,
                          dbbackup::isDamage(error) ? dbbackup::damagedMessage(dbPath, error, QString()) : error);
    return false;
  }
  const QString question =
      dbbackup::damagedMessage(dbPath, error, QStringLiteral("Soll Zendral zu dieser Sicherung zurückkehren? Die "
                                                             "beschädigte Datei bleibt erhalten."));
  if (QMessageBox::question(nullptr, kTitle, question) != QMessageBox::Yes) return false;
  const dbbackup::Restored restored = dbbackup::restore(dbPath);
  if (!restored.error.isEmpty()) {
    QMessageBox::critical(nullptr, kTitle, restored.error);
    return false;
  }
  QMessageBox::information(nullptr, kTitle,
                           QStringLiteral("Die Datenbank ist auf den Stand vor dem letzten Einlesen zurückgesetzt; "
                                          "die beschädigte Datei liegt unter %1. Bitte den letzten CR noch einmal "
                                          "einlesen.")
                               .arg(native(restored.keptAs)));
  return true;
}

void sayGoodbye(const QString& why) {
  QMessageBox::information(nullptr, kTitle,
                           why + QStringLiteral("\n\nZendral wird beendet. Bitte Zendral in einem Programmordner "
                                                "starten oder beim nächsten Start einen einrichten lassen."));
}

// The folder to work in, set up on request; empty when the player declines.
QString programFolder(const QString& startDir, const QString& dataDir) {
  const startfolder::Found found = startfolder::find(startDir, dataDir);
  if (found.complete()) return found.folder;
  if (!found.folder.isEmpty()) {
    const QString question =
        QStringLiteral("Im Programmordner %1 fehlt %2.\n\nSoll sie angelegt werden? Vorhandene Dateien bleiben "
                       "unverändert.")
            .arg(native(found.folder), found.missing.join(QStringLiteral(" und ")));
    if (QMessageBox::question(nullptr, kTitle, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) !=
        QMessageBox::Yes) {
      sayGoodbye(QStringLiteral("Ohne %1 kann kein Spiel geöffnet werden.").arg(found.missing.join(QStringLiteral(" und "))));
      return QString();
    }
    return setUp(found.folder) ? found.folder : QString();
  }

  // Neither folder is a program folder: the data folder is the usual place,
  // the start folder stays possible for players who keep one per game.
  QMessageBox box(QMessageBox::Question, kTitle,
                  QStringLiteral("Es wurde keine %1 gefunden, weder im Startordner %2 noch im Datenordner %3.\n\n"
                                 "Soll ein Zendral-Programmordner eingerichtet werden? Vorhandene Dateien bleiben "
                                 "unverändert.")
                      .arg(ConfigFile::fileName(), native(startDir), native(dataDir)));
  QPushButton* data = box.addButton(QStringLiteral("Datenordner einrichten"), QMessageBox::AcceptRole);
  QPushButton* start = nullptr;
  if (QDir(startDir) != QDir(dataDir))
    start = box.addButton(QStringLiteral("Startordner einrichten"), QMessageBox::AcceptRole);
  box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(data);
  box.exec();
  QString chosen;
  if (box.clickedButton() == data) chosen = dataDir;
  if (start && box.clickedButton() == start) chosen = startDir;
  if (chosen.isEmpty()) {
    sayGoodbye(QStringLiteral("Ohne %1 kann kein Spiel geöffnet werden.").arg(ConfigFile::fileName()));
    return QString();
  }
  return setUp(chosen) ? QDir(chosen).absolutePath() : QString();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(kTitle);
  QApplication::setApplicationVersion(gameopening::versionText());
  QApplication::setDesktopFileName(QStringLiteral("zendral"));
  QApplication::setWindowIcon(toolicons::icon(toolicons::Picture::Program));
  germantranslations::install(app);

  const QString folder = programFolder(QDir::currentPath(), startfolder::dataFolder());
  if (folder.isEmpty()) return 1;
  // zendral.cfg is read from the working directory, and a slot whose
  // program path is gone is offered this folder.
  QDir::setCurrent(folder);

  std::unique_ptr<ProgramWindows> windows;
  while (!windows) {
    try {
      windows = std::make_unique<ProgramWindows>(folder);
    } catch (const DbError& e) {
      if (!offerBackup(folder, e.message())) return 1;
    }
  }
  // A faulty configuration is reported; the selection then shows what the
  // file has, and opening a slot names the line that stops it.
  if (!windows->startError().isEmpty()) QMessageBox::critical(nullptr, kTitle, windows->startError());
  QObject::connect(&windows->form1, &TForm1::closed, &app, &QCoreApplication::quit);
  windows->show();
  return app.exec();
}
