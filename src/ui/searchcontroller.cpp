#include "ui/searchcontroller.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>

#include "db/dberror.h"
#include "turn/opengame.h"
#include "ui/mainmenu.h"
#include "ui/mapcontroller.h"
#include "ui/regioncontroller.h"
#include "ui/searchdialog.h"
#include "views/unitview.h"

SearchController::SearchController(QWidget* window, OpenGame& game, MainMenu& menu, const Parts& parts)
    : QObject(window), game_(game), parts_(parts), dialog_(new SearchDialog(window)) {
  action_ = new QAction(QStringLiteral("&Suchen…"), window);
  action_->setObjectName(QStringLiteral("Suchen1"));
  action_->setShortcut(QKeySequence::Find);
  action_->setShortcutContext(Qt::WindowShortcut);
  menu.Karte1->addSeparator();
  menu.Karte1->addAction(action_);
  window->addAction(action_);
  connect(action_, &QAction::triggered, this, &SearchController::Suchen1Click);

  dialog_->setSearch(
      [this](const QString& text) -> QList<mapsearch::Hit> {
        if (!game_.db) return {};
        try {
          return mapsearch::find(*game_.db, game_.session, text);
        } catch (const DbError& e) {
          // A table that cannot be read is said, not passed off as no hit.
          if (prompts_.error) prompts_.error(e.message());
          return {};
        }
      },
      [this](const mapsearch::Hit& hit) { return mapsearch::lineOf(hit, game_.session); });
  dialog_->setChosen([this](const mapsearch::Hit& hit) { show(hit); });
}

void SearchController::Suchen1Click() {
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
  dialog_->Suchtext->setFocus();
  dialog_->Suchtext->selectAll();
}

void SearchController::show(const mapsearch::Hit& hit) {
  if (parts_.map) {
    if (hit.level != game_.session.currentLevel) parts_.map->showLevel(hit.level);
    parts_.map->showRegion(hit.x, hit.y);
  }
  if (parts_.regions) parts_.regions->getSekKoo(hit.x, hit.y);
  using Kind = mapsearch::Hit::Kind;
  if (hit.kind == Kind::Region) {
    if (parts_.pages && parts_.regionPage) parts_.pages->setCurrentWidget(parts_.regionPage);
    return;
  }
  const unitview::EntryKind kind = hit.kind == Kind::Unit       ? unitview::EntryKind::Unit
                                   : hit.kind == Kind::Building ? unitview::EntryKind::Building
                                                                : unitview::EntryKind::Ship;
  if (parts_.regions) parts_.regions->showEntry({kind, hit.number});
  if (parts_.pages && parts_.unitPage) parts_.pages->setCurrentWidget(parts_.unitPage);
}
