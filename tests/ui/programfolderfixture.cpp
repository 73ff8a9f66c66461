#include "programfolderfixture.h"

#include <QDir>
#include <QFile>

#include "turn/programfolder.h"
#include "turn/reportimporter.h"
#include "ui/tform6.h"
#include "ui/tform9.h"
#include "game/textutil.h"

namespace uitest {

ProgramFolderFixture::ProgramFolderFixture() { programfolder::initProgramFolder(dir.path()); }

QString ProgramFolderFixture::statusFile(const QString& kind) const {
  return textutil::joinPath(dir.path(), QStringLiteral("status-data/1-%1.txt").arg(kind));
}

void ProgramFolderFixture::writeStatus(const QString& kind, const QStringList& lines) const {
  textutil::writeLinesAtomic(statusFile(kind), lines);
}

void ProgramFolderFixture::setStatusFields(const QStringList& nine) {
  for (int i = 0; i < nine.size(); ++i) config.setSlotLine(1, ConfigFile::StatusFirst + i, nine.at(i));
  config.save();
  recreateWindow();
}

QStringList ProgramFolderFixture::statusFields(const QString& datum) {
  return {QStringLiteral("120"), QStringLiteral("100"), QStringLiteral("Die Wölfe"), datum, QStringLiteral("5"),
          QStringLiteral("42"), QStringLiteral("1000"), QStringLiteral("3"), QStringLiteral("7")};
}

QString ProgramFolderFixture::programFile(const QString& name) const { return textutil::joinPath(dir.path(), name); }

void ProgramFolderFixture::writeProgramFile(const QString& name, const QStringList& lines) const {
  textutil::writeLinesAtomic(programFile(name), lines);
}

QStringList ProgramFolderFixture::readProgramFile(const QString& name) const {
  QFile file(programFile(name));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QString text = QString::fromUtf8(file.readAll());
  if (text.endsWith(QStringLiteral("\r\n"))) text.chop(2);
  return text.split(QStringLiteral("\r\n"));
}

QStringList ProgramFolderFixture::templateFiles() const {
  return QDir(dir.path()).entryList({QStringLiteral("Zug-Spiel*")}, QDir::Files | QDir::Dirs, QDir::Name);
}

bool ProgramFolderFixture::openSlot1() {
  return form1->spielinitialisierung(1, QStringLiteral("Erstes"), QStringLiteral("Molvanth"));
}

void ProgramFolderFixture::setDialogs(TForm6* editor, TForm9* possessions) {
  TForm1::Dialogs d;
  d.form2 = &form2;
  d.form3 = &form3;
  d.form5 = &form5;
  d.form6 = editor;
  d.form7 = &form7;
  d.form9 = possessions;
  form1->setDialogs(d);
}

QStringList ProgramFolderFixture::readReport(const QString& report) {
  const qsizetype before = said.errors.size();
  form1->setImporter(&importReport);
  form1->setReportChooser([report] { return report; });
  said.choice = 1;  // unsaved orders are read over (kept under their round)
  said.answer = true;
  form1->Neu1Click();
  return said.errors.mid(before);
}

}  // namespace uitest
