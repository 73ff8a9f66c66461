#pragma once
// Shared fixtures for the tests: an in-memory game database and the models
// an import fills, and small file helpers.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "game/gamesession.h"
#include "db/database.h"
#include "orders/ordertemplate.h"
#include "report/importstate.h"
#include "report/reportpages.h"
#include "possessions/possessionstree.h"

namespace testsupport {

// A fresh in-memory database with the seven tables, and an ImportState over it.
struct ImportFixture {
  explicit ImportFixture(int gameType = kMolvanth, int slot = 1);
  ~ImportFixture();

  // Puts the lines into the report buffer and sets the current line.
  void setReport(const QStringList& lines, int currentLine = 0);

  Database db;
  GameSession game;
  ReportPages pages;
  StatusFields status;
  OrderTemplate orders;
  PossessionsTree tree;
  ImportProgress progress;
  std::unique_ptr<ImportTables> tables;
  std::unique_ptr<ImportState> state;
};

// Number of rows of a table (all slots).
int rowCount(Database& db, const QString& table);
// Every row of every table as text, for "unchanged" comparisons.
QString dump(Database& db);

// A report from the shared folder of real reports, or from the tests' data.
QString sharedReport(const QString& name);
QString testData(const QString& name);

// Writes text (UTF-8) to a file, creating folders.
void writeFile(const QString& path, const QByteArray& bytes);

// The example report 481 one turn later (482: the same month's next week,
// so the template keeps its file name), its unit "Falke" renamed "Habicht"
// so that the week's template differs. Written into `folder`; returns its path.
QString nextWeekReport(const QString& folder);

}  // namespace testsupport
