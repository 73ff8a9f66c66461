#pragma once
// Reading one report file into the open game: the menu action "&CR einlesen"
// without its file dialog. The window and the headless tool both call this.
#include <QByteArray>
#include <QString>
#include <functional>

#include "turn/opengame.h"
#include "turn/versionquestion.h"

class ImportProgress;

struct ImportCallbacks {
  // A warning question with Yes and No; returns true for Yes.
  std::function<bool(const QString& question)> askYesNo;
  // The version question with its check box "Nicht mehr fragen"; without
  // it the version is asked through askYesNo.
  std::function<versionquestion::Answer(const QString& question)> askVersion;
  // The question before a report older than the slot's newest is read;
  // without it the Yes/No question above asks. Its answer defaults to No.
  std::function<bool(const QString& question)> askOlder;
  // An information or error message with an OK button.
  std::function<void(const QString& message)> inform;
  ImportProgress* progress = nullptr;
};

struct ImportOutcome {
  enum class Status { Read, Refused, Failed };
  Status status = Status::Failed;
  QString message;  // German text for Refused and Failed
  // Where the template file of another round went before the new one
  // replaced it (a German sentence; empty when nothing was kept).
  QString keptTemplate;
  // What was read, for the headless tool's summary.
  int regions = 0, units = 0, buildings = 0, ships = 0, factions = 0, messages = 0;
  bool ok() const { return status == Status::Read; }
};

// Reads the report at `path` into `game` (tables, pages, status fields,
// template, possessions tree, status files). The whole import is one
// transaction: on failure the database and the shown models stay as they
// were and the outcome carries the German message naming the report line.
ImportOutcome importReport(OpenGame& game, const QString& path, const ImportCallbacks& callbacks);
// The same for a report already in memory; `path` names it in messages.
ImportOutcome importReportData(OpenGame& game, QByteArray bytes, const QString& path,
                               const ImportCallbacks& callbacks);
