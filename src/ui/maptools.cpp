#include "ui/maptools.h"

#include <QAction>
#include <QFileDialog>
#include <QInputDialog>
#include <QScreen>

#include "db/table.h"
#include "map/mapexchange.h"
#include "report/importstate.h"
#include "ui/tform1.h"
#include "ui/tform10.h"
#include "ui/tform4.h"
#include "ui/tform5.h"
#include "ui/waitcursor.h"
#include "views/regionview.h"

namespace {

// The slot's regions of one level: what the map shows is what is exported.
struct LevelRegions {
  LevelRegions(Database& db, int slot, int level) : table(db, QStringLiteral("regionen")) {
    table.setSlotLevelFilter(slot, level);
    table.setFiltered(true);
  }
  Table table;
};

}  // namespace

std::optional<MapTools::ShownRegion> MapTools::shownRegionOf(const RegionView& view) {
  if (!view.found) return std::nullopt;
  for (const auto& [field, value] : view.row)
    if (field == QStringLiteral("Regionname")) return ShownRegion{view.x, view.y, view.level, value.toString()};
  return std::nullopt;
}

MapTools::MapTools(TForm1& window) : QObject(&window), window_(window) {
  connect(window.menu.Kartendatenexportieren1, &QAction::triggered, this, &MapTools::Kartendatenexportieren1Click);
  connect(window.menu.Kartenbereichexportieren1, &QAction::triggered, this, &MapTools::Kartenbereichexportieren1Click);
  connect(window.menu.Kartendatenimportieren1, &QAction::triggered, this, &MapTools::Kartendatenimportieren1Click);
  connect(window.menu.Regioneingeben1, &QAction::triggered, this, &MapTools::Regioneingeben1Click);
  connect(window.menu.Datenbankaufrumen1, &QAction::triggered, this, &MapTools::Datenbankaufrumen1Click);
}

QString MapTools::saveFile() {
  if (chooseSave_) return chooseSave_();
  // Qt's save dialog asks before overwriting a file.
  return QFileDialog::getSaveFileName(&window_, QStringLiteral("Karte exportieren"), window_.game().session.programPath,
                                      QStringLiteral("Alle (*);;Textdateien (*.txt)"));
}

void MapTools::Kartendatenexportieren1Click() {
  if (!window_.gameOpen() || !window_.tables()) return;
  const QString path = saveFile();
  if (path.isEmpty()) return;
  mapexchange::ExportResult result;
  {
    WaitCursor wait;
    const GameSession& session = window_.game().session;
    LevelRegions regions(*window_.game().db, session.slot, session.currentLevel);
    result = mapexchange::exportFullMap(regions.table, path);
  }
  if (result.ok())
    window_.prompts().inform(mapexchange::fullExportMessage(path));
  else
    window_.prompts().error(result.error);
}

void MapTools::Kartenbereichexportieren1Click() {
  if (!window_.gameOpen() || !window_.tables()) return;
  const std::optional<ShownRegion> shown = shownRegion_ ? shownRegion_() : std::nullopt;
  if (!shown || shown->name.isEmpty()) {
    window_.prompts().inform(mapexchange::notMarkedMessage());
    return;
  }
  const QString path = saveFile();
  if (path.isEmpty()) return;
  const QString caption = QStringLiteral("Kartenteilexport");
  const QString prompt = mapexchange::radiusPrompt(shown->name, shown->x, shown->y);
  const QString fallback = QStringLiteral("8");
  QString answer;
  if (askText_) {
    answer = askText_(caption, prompt, fallback);
  } else {
    bool ok = false;
    answer = QInputDialog::getText(&window_, caption, prompt, QLineEdit::Normal, fallback, &ok);
    if (!ok) answer = fallback;
  }
  const std::optional<int> radius = mapexchange::parseRadius(answer);
  if (!radius) {
    window_.prompts().error(mapexchange::badRadiusMessage(answer));
    return;
  }
  mapexchange::ExportResult result;
  {
    WaitCursor wait;
    LevelRegions regions(*window_.game().db, window_.game().session.slot, shown->level);
    result = mapexchange::exportArea(regions.table, window_.game().session.slot, shown->x, shown->y, *radius, path);
  }
  if (result.ok())
    window_.prompts().inform(mapexchange::areaExportMessage(path));
  else
    window_.prompts().error(result.error);
}

void MapTools::Kartendatenimportieren1Click() {
  if (!window_.gameOpen() || !window_.tables()) return;
  const QString path = chooseOpen_ ? chooseOpen_()
                                   : QFileDialog::getOpenFileName(&window_, QStringLiteral("Kartendaten importieren"),
                                                                  window_.game().session.programPath,
                                                                  QStringLiteral("Textdateien (*.txt);;Alle (*.*)"));
  if (path.isEmpty()) return;

  TForm5* progress = window_.dialogs().form5;
  window_.setEnabled(false);
  if (progress) {
    progress->reset();
    progress->setBusy(true);
    progress->show();
    progress->raise();
    progress->repaint();
  }
  mapexchange::ImportResult result;
  {
    WaitCursor wait;
    result = mapexchange::importMap(*window_.game().db, window_.tables()->regionen, window_.game().session.slot, path);
  }
  // Every way out gives the window back and hides the progress.
  if (progress) {
    progress->setBusy(false);
    progress->hide();
  }
  window_.setEnabled(true);
  if (!result.ok()) window_.prompts().error(result.error);
}

void MapTools::Regioneingeben1Click() {
  TForm4* form4 = window_.dialogs().form4;
  if (!window_.gameOpen() || !window_.tables() || !form4) return;
  if (connectedForm4_ != form4) {
    connect(form4, &TForm4::saveRequested, this, &MapTools::saveManualRegion);
    connect(form4, &TForm4::cancelled, this, &MapTools::closeManualEntry);
    connectedForm4_ = form4;
  }
  window_.setEnabled(false);
  form4->clearEntry();
  form4->adjustSize();
  if (QScreen* screen = window_.screen())
    form4->move(screen->availableGeometry().center() - form4->rect().center());
  form4->show();
  form4->raise();
  form4->activateWindow();
}

void MapTools::saveManualRegion() {
  TForm4* form4 = window_.dialogs().form4;
  if (!form4 || !window_.tables()) return;
  const GameSession& session = window_.game().session;
  const manualregion::SaveResult saved =
      manualregion::saveRegion(window_.tables()->regionen, session.slot, session.currentLevel, form4->entry());
  if (!saved.ok()) {
    window_.prompts().error(saved.error);  // the dialog stays open with its contents
    return;
  }
  regionPosition_ = saved.position;
  form4->hide();
  closeManualEntry();
}

void MapTools::closeManualEntry() {
  window_.setEnabled(true);
  window_.raise();
  window_.activateWindow();
}

void MapTools::Datenbankaufrumen1Click() {
  TForm10* form10 = window_.dialogs().form10;
  if (!window_.gameOpen() || !form10) return;
  form10->setGame(window_.game().db, &window_.game().session);
  form10->setErrorSink([this](const QString& message) { window_.prompts().error(message); });
  form10->show();
  form10->raise();
  form10->activateWindow();
}
