#include "ui/programwindows.h"

#include <QScreen>

#include "game/textutil.h"
#include "turn/reportimporter.h"

ProgramWindows::ProgramWindows(const QString& folder)
    : folder_(folder), start_(gameopening::readStartConfig(folder)), form1(game) {
  db.open(textutil::joinPath(folder_, Database::fileName()));
  // Damage found now can still be mended from the copy before the last import.
  db.checkIntact();
  game.db = &db;
  game.session.programPath = textutil::normalizeDirectory(folder_);
  // Until a slot is started only the selection takes input.
  form1.setEnabled(false);
  form3.fill(start_.config);
  form1.setStartConfig(start_.config);
  form1.setImporter(&importReport);
  form1.setDialogs({&form2, &form3, &form4, &form5, &form6, &form7, &form8, &form9, &form10});
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::show() {
  form1.showMaximized();
  form3.show();
  if (QScreen* screen = form3.screen()) {
    const QRect area = screen->availableGeometry();
    form3.move(area.center() - form3.rect().center());
  }
  form3.raise();
  form3.activateWindow();
}
