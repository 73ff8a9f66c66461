#pragma once
// The main window over a complete program folder (status-data/ with the
// empty status files, images/, zendral.cfg), with helpers that put a last
// report's status files, status fields and order template in place.
#include <QStringList>

#include "uitestsupport.h"

class TForm6;
class TForm9;

namespace uitest {

struct ProgramFolderFixture : MainWindowFixture {
  ProgramFolderFixture();

  QString statusFile(const QString& kind) const;  // "1-kaempfe.txt" for slot 1
  void writeStatus(const QString& kind, const QStringList& lines) const;
  // The nine status fields of slot 1 in zendral.cfg; the window is made
  // again so that it starts from the new file.
  void setStatusFields(const QStringList& nine);
  QString programFile(const QString& name) const;
  void writeProgramFile(const QString& name, const QStringList& lines) const;
  // The lines of a file as written (CR LF), or empty when it is missing.
  QStringList readProgramFile(const QString& name) const;
  // The order template files now in the program folder.
  QStringList templateFiles() const;
  bool openSlot1();
  // The dialogs of the fixture and the given command editor and possessions
  // window (either may be null) hand to the window.
  void setDialogs(TForm6* editor, TForm9* possessions);
  // Reads `report` through "CR einlesen" with the real import: "Ja" to the
  // version question, unsaved orders read over. The error messages shown.
  QStringList readReport(const QString& report);

  static QStringList statusFields(const QString& datum);
};

}  // namespace uitest
