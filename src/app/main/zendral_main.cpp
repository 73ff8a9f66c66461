// Program entry of the desktop assistant: checks the start directory, opens
// the game database, creates the main window and the dialogs and lets the
// player choose a game slot.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>

#include "app/configfile.h"
#include "app/gameopening.h"
#include "app/opengame.h"
#include "app/programfolder.h"
#include "app/textutil.h"
#include "db/database.h"
#include "db/dberror.h"
#include "report/reportimporter.h"
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

namespace {

const QString kTitle = QStringLiteral("Zendral");

// A start directory without configuration or database can be made a
// program folder; false when the player declines or that fails.
bool ensureProgramFolder(const QString& dir, const QString& databasePath) {
  const bool hasConfig = programfolder::hasConfig(dir);
  const bool hasDatabase = QFileInfo::exists(databasePath);
  if (hasConfig && hasDatabase) return true;

  QStringList missing;
  if (!hasConfig) missing << ConfigFile::fileName();
  if (!hasDatabase) missing << Database::fileName();
  const QString question =
      QStringLiteral("Im Startordner %1 fehlt %2.\n\nSoll dieser Ordner als Zendral-Programmordner eingerichtet "
                     "werden? Vorhandene Dateien bleiben unverändert.")
          .arg(QDir::toNativeSeparators(dir), missing.join(QStringLiteral(" und ")));
  if (QMessageBox::question(nullptr, kTitle, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) !=
      QMessageBox::Yes) {
    QMessageBox::information(nullptr, kTitle,
                             QStringLiteral("Zendral wird beendet: ohne %1 im Startordner %2 kann kein Spiel "
                                            "geöffnet werden. Bitte Zendral in einem Programmordner starten.")
                                 .arg(missing.join(QStringLiteral(" und ")), QDir::toNativeSeparators(dir)));
    return false;
  }
  try {
    const QStringList created = programfolder::initProgramFolder(dir);
    if (!created.isEmpty())
      QMessageBox::information(nullptr, kTitle,
                               QStringLiteral("Der Programmordner wurde eingerichtet:\n%1")
                                   .arg(created.join(QLatin1Char('\n'))));
  } catch (const ConfigError& e) {
    QMessageBox::critical(nullptr, kTitle, e.message());
    return false;
  } catch (const DbError& e) {
    QMessageBox::critical(nullptr, kTitle, e.message());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(kTitle);
  QApplication::setApplicationVersion(gameopening::versionText());

  const QString dir = QDir::currentPath();
  const QString databasePath = textutil::joinPath(dir, Database::fileName());
  if (!ensureProgramFolder(dir, databasePath)) return 1;

  // A faulty configuration is reported; the selection then shows what the
  // file has, and opening a slot names the line that stops it.
  const gameopening::StartConfig start = gameopening::readStartConfig(dir);
  if (!start.error.isEmpty()) QMessageBox::critical(nullptr, kTitle, start.error);

  Database db;
  try {
    db.open(databasePath);
  } catch (const DbError& e) {
    QMessageBox::critical(nullptr, kTitle, e.message());
    return 1;
  }

  OpenGame game;
  game.db = &db;
  game.session.programPath = textutil::normalizeDirectory(dir);

  TForm1 form1(game);
  TForm2 form2;
  TForm3 form3;
  TForm4 form4;
  TForm5 form5;
  TForm6 form6;
  TForm7 form7;
  TForm8 form8;
  // Until a slot is started only the selection takes input.
  form1.setEnabled(false);
  form3.fill(start.config);
  TForm9 form9;
  TForm10 form10;

  form1.setStartConfig(start.config);
  form1.setImporter(&importReport);
  form1.setDialogs({&form2, &form3, &form4, &form5, &form6, &form7, &form8, &form9, &form10});
  QObject::connect(&form1, &TForm1::closed, &app, &QCoreApplication::quit);

  form1.showMaximized();
  form3.show();
  if (QScreen* screen = form3.screen()) {
    const QRect area = screen->availableGeometry();
    form3.move(area.center() - form3.rect().center());
  }
  form3.raise();
  form3.activateWindow();
  return app.exec();
}
