#include "ui/tform1.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include "turn/gameopening.h"
#include "turn/reportfolder.h"
#include "turn/slotopening.h"
#include "turn/statusdata.h"
#include "db/database.h"
#include "game/zendralerror.h"
#include "report/importstate.h"
#include "ui/armypage.h"
#include "ui/checkercontroller.h"
#include "ui/gridpage.h"
#include "ui/grouppage.h"
#include "ui/importinputguard.h"
#include "ui/mainmenu.h"
#include "ui/maintoolbar.h"
#include "ui/mapareapanel.h"
#include "ui/mapcontroller.h"
#include "ui/maptools.h"
#include "ui/orderscontroller.h"
#include "ui/pointspage.h"
#include "ui/problemscontroller.h"
#include "ui/regioncontroller.h"
#include "ui/regionpage.h"
#include "ui/reportfiledialog.h"
#include "ui/reportpagespanel.h"
#include "ui/searchcontroller.h"
#include "ui/shipregisterpage.h"
#include "ui/statuspage.h"
#include "ui/templatepage.h"
#include "ui/tform2.h"
#include "ui/tform3.h"
#include "ui/tform5.h"
#include "ui/tform7.h"
#include "ui/unitpage.h"
#include "ui/waitcursor.h"
#include "ui/windowsplit.h"

TForm1::TForm1(OpenGame& game, QWidget* parent)
    : QMainWindow(parent), menu(this), game_(game), prompts_(Prompts::messageBoxes(this)) {
  setObjectName(QStringLiteral("TForm1"));
  setWindowTitle(QStringLiteral("Molvanth Assistent"));
  setMenuBar(menu.MainMenu1);
  ToolBar1 = new MainToolBar(this);
  addToolBar(ToolBar1);

  mapArea = new MapAreaPanel;
  PageControl1 = new ReportPagesPanel;
  PageControl2 = new QTabWidget;
  PageControl2->setObjectName(QStringLiteral("PageControl2"));
  regionPage = new RegionPage;
  unitPage = new UnitPage;
  templatePage = new TemplatePage;
  groupPage = new GroupPage;
  armyPage = new ArmyPage;
  shipRegisterPage = new ShipRegisterPage;
  statisticsPage = new GridPage("StringGrid1", 9, {});
  pointsPage = new PointsPage;
  pointsStatisticsPage = pointsPage->gridPage();
  PageControl2->addTab(regionPage, QStringLiteral("Region Info"));
  PageControl2->addTab(unitPage, QStringLiteral("Einheiten"));
  PageControl2->addTab(templatePage, QStringLiteral("Zugvorlage"));
  PageControl2->addTab(groupPage, QStringLiteral("Gruppierungen"));
  PageControl2->addTab(armyPage, QStringLiteral("Armee"));
  PageControl2->addTab(shipRegisterPage, QStringLiteral("Schiffsregister"));
  PageControl2->addTab(statisticsPage, QStringLiteral("Statistik"));
  PageControl2->addTab(pointsPage, QStringLiteral("Punkte Statistik"));
  templatePage->setModel(&game_.orders);
  templatePage->setErrorSink([this](const QString& message) { prompts_.error(message); });
  templatePage->setNoticeSink([this](const QString& message) { prompts_.inform(message); });
  templatePage->setChooser([this](const QString& text, const QStringList& buttons) {
    return prompts_.choose ? prompts_.choose(text, buttons) : int(buttons.size()) - 1;
  });
  regionController = new RegionController(game_, {regionPage, unitPage, templatePage, statisticsPage->grid(), mapArea->Panel1}, this);
  regionController->setMessageSinks([this](const QString& m) { prompts_.inform(m); }, [this](const QString& m) { prompts_.error(m); });
  regionController->setChooser([this](const QString& text, const QStringList& buttons) {
    return prompts_.choose ? prompts_.choose(text, buttons) : int(buttons.size()) - 1;
  });

  auto* pages = new QSplitter(Qt::Vertical);
  pages->addWidget(PageControl1);
  pages->addWidget(PageControl2);
  pages->setStretchFactor(1, 2);
  // Neither tab control may be squeezed to nothing: both keep their tab bars.
  pages->setChildrenCollapsible(false);
  auto* central = new QSplitter(Qt::Horizontal);
  central->addWidget(mapArea);
  central->addWidget(pages);
  central->setStretchFactor(0, 3);
  central->setStretchFactor(1, 2);
  setCentralWidget(central);
  windowSplit = new WindowSplit(central, pages, this);

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  const int widths[3] = {500, 50, 50};
  for (int i = 0; i < 3; ++i) {
    statusPanels[i] = new QLabel;
    statusPanels[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
    // The middle panel names the region under the mouse: it grows with the text.
    if (i == 1)
      statusPanels[i]->setMinimumWidth(widths[i]);
    else
      statusPanels[i]->setFixedWidth(widths[i]);
    StatusBar1->addWidget(statusPanels[i]);
  }
  setStatusBar(StatusBar1);
  templatePage->setStatusSink([this](const QString& message) {
    if (message.isEmpty()) {
      StatusBar1->clearMessage();
    } else {
      StatusBar1->showMessage(message);
    }
  });

  mapController = new MapController(game_, *mapArea, *ToolBar1, menu, statusPanels, this);
  mapController->setRegionPicked([this](int x, int y) { regionClicked(x, y); });
  Prompts mapPrompts;
  mapPrompts.error = [this](const QString& message) { prompts_.error(message); };
  mapController->setPrompts(mapPrompts);

  connect(menu.Neu1, &QAction::triggered, this, &TForm1::Neu1Click);
  ordersController = new OrdersController(this, game_, templatePage, &prompts_);
  ordersController->setOpenOptions([this] { Optionen1Click(); });
  ordersController->setStatusSink([this](const QString& message) { StatusBar1->showMessage(message); });
  connect(menu.Speichern1, &QAction::triggered, ordersController, &OrdersController::Speichern1Click);
  connect(menu.ZugVorlageSpeichern1, &QAction::triggered, ordersController, &OrdersController::ZugVorlageSpeichern1Click);
  connect(menu.ZugvorlageOeffnen1, &QAction::triggered, ordersController, &OrdersController::ZugvorlageOeffnen1Click);
  connect(menu.BefehleVersenden1, &QAction::triggered, ordersController, &OrdersController::BefehleVersenden1Click);
  connect(ToolBar1->ToolButton7, &QToolButton::clicked, ordersController, &OrdersController::BefehleVersenden1Click);
  connect(menu.Optionen1, &QAction::triggered, this, &TForm1::Optionen1Click);
  connect(menu.Beenden1, &QAction::triggered, this, &TForm1::Beenden1Click);
  connect(menu.Info2, &QAction::triggered, this, &TForm1::Info2Click);

  const auto showError = [this](const QString& message) { prompts_.error(message); };
  groupPage->setGame(&game_);
  groupPage->setErrorSink(showError);
  armyPage->setGame(&game_);
  armyPage->setErrorSink(showError);
  shipRegisterPage->setGame(&game_);
  shipRegisterPage->setErrorSink(showError);
  checker = new CheckerController(this, game_, templatePage, &prompts_);
  // A template without a password is named before it is checked.
  connect(ToolBar1->ToolButton5, &QToolButton::clicked, checker, [this] {
    if (ordersController->passwordChecked()) checker->ToolButton5Click();
  });
  connect(menu.ZugChecker1, &QAction::triggered, checker, [this] {
    if (ordersController->passwordChecked()) checker->ZugChecker1Click();
  });
  connect(menu.Taschenrechner1, &QAction::triggered, checker, &CheckerController::Taschenrechner1Click);
  problemsController = new ProblemsController(
      game_, {templatePage, templatePage->problems, checker, regionController, mapController}, this);
  mapTools = new MapTools(*this);
  // The area export centres on the region the region view shows.
  mapTools->setShownRegionSource([this] { return MapTools::shownRegionOf(regionController->shown()); });
  // Marks set in the command editor colour the region's square on the unit layer.
  regionController->setRegionColourer(mapController->regionColourer());
  connect(ToolBar1->ToolButton6, &QToolButton::clicked, regionController, &RegionController::ToolButton6Click);
  searchController = new SearchController(this, game_, menu, {mapController, regionController, PageControl2, regionPage, unitPage});
  searchController->setPrompts(mapPrompts);
}

TForm1::~TForm1() {
  // The progress window belongs to whoever made it; it only sits above this one.
  for (TForm5* progress : findChildren<TForm5*>(Qt::FindDirectChildrenOnly)) progress->setParent(nullptr);
}

StatusPage* TForm1::statusPage() const { return PageControl1->status(); }

void TForm1::setDialogs(const Dialogs& dialogs) {
  dialogs_ = dialogs;
  checker->setOutputWindow(dialogs_.form8);
  regionController->setDialogs(dialogs_.form6, dialogs_.form9);
  // A child dialog: the window manager keeps it above the main window.
  if (dialogs_.form5) dialogs_.form5->setParent(this, dialogs_.form5->windowFlags());
  if (dialogs_.form3) {
    connect(dialogs_.form3, &TForm3::startRequested, this,
            [this](int slot, const QString& name, const QString& type) { spielinitialisierung(slot, name, type); });
    // Without a started slot there is nothing to work on.
    connect(dialogs_.form3, &TForm3::abandoned, this, &QWidget::close);
  }
  if (dialogs_.form2) {
    connect(dialogs_.form2, &TForm2::saveRequested, this, &TForm1::saveOptions);
    connect(dialogs_.form2, &TForm2::cancelled, this, &TForm1::closeOptions);
  }
}

bool TForm1::spielinitialisierung(int slot, const QString& slotName, const QString& typeText) {
  if (opened_) return true;  // one slot per run
  WaitCursor cursor(WaitCursor::Start::Off);
  try {
    if (dialogs_.form3) dialogs_.form3->hide();
    showMaximized();
    setEnabled(true);
    if (dialogs_.form7) dialogs_.form7->appendVersion(gameopening::versionText());

    const ConfigFile working = startConfig_;
    slotopening::Steps steps;
    steps.inform = prompts_.inform;
    steps.slotBegun = [&] {
      setWindowTitle(gameopening::captionFor(typeText));
      if (!game_.session.isMolvanth()) adaptToQuarnel();
      unitPage->collapseDetails();

      // The region, faction and level tables show this slot only.
      tables_ = std::make_unique<ImportTables>(*game_.db);
      for (Table* t : {&tables_->parteien, &tables_->regionen, &tables_->ebenen}) {
        t->setSlotFilter(slot);
        t->setFiltered(true);
      }
      tables_->ebenen.open();

      game_.session.currentLevel = 0;
      cursor.set();
      unitPage->clearTexts();
      game_.orders.clear();
      templatePage->clear();
    };
    steps.settingsRead = [&] {
      if (!gameopening::programPathProblem(game_.session.programPath).isEmpty()) {
        cursor.restore();
        if (!offerStartFolder()) return false;
        cursor.set();
      } else {
        cursor.restore();
        chooseCopiedFolder();
        cursor.set();
      }
      mapController->openSmallMap();
      return true;
    };
    steps.pointsRead = [&] {
      pointsPage->show(game_.points);

      tables_->schiffe.close();
      tables_->burgen.close();
      tables_->einheiten.close();
      unitPage->clearTexts();

      mapController->openWorldMap();
      if (windowSplit->open(game_.session.programPath, slot)) PageControl1->keepSplit();

      const QString round = QString::number(game_.session.roundCode);
      groupPage->Edit19->setText(round);
      shipRegisterPage->Edit26->setText(round);
    };

    const slotopening::Opening opening =
        slotopening::openSlot(game_, working, slot, slotName, typeText, steps);
    if (opening.stopped) return false;
    const statusdata::StatusLoad& load = opening.load;
    if (!load.ok()) {
      cursor.restore();
      prompts_.error(load.error);
      return false;
    }
    opened_ = true;
    templatePage->setTurn(&game_.session, &game_.status);
    refreshFromModels();
    cursor.restore();
    for (const QString& message : load.messages) prompts_.error(message);
  } catch (const ZendralError& e) {
    cursor.restore();
    prompts_.error(e.message());
  } catch (const std::exception& e) {
    cursor.restore();
    prompts_.error(QStringLiteral("Das Spiel konnte nicht geöffnet werden: %1").arg(QString::fromUtf8(e.what())));
  }
  return opened_;
}

void TForm1::regionClicked(int x, int y) { regionController->getSekKoo(x, y); }
void TForm1::chooseCopiedFolder() {
  if (startConfig_.path().isEmpty()) return;
  const QString startFolder = QFileInfo(startConfig_.path()).absolutePath();
  if (!gameopening::isOtherFolder(game_.session.programPath, startFolder)) return;
  // A copied or restored program folder still names the folder it came from;
  // writing there would put this folder's orders into the other one.
  const QStringList buttons = {QStringLiteral("Diesen Ordner verwenden"), QStringLiteral("Gespeicherten Pfad verwenden")};
  const int answer =
      prompts_.choose
          ? prompts_.choose(QStringLiteral("Spiel %1 wurde aus %2 geöffnet, in %3 ist als Programmpfad aber %4 "
                                           "eingetragen (ein kopierter Programmordner?).\nWelcher Ordner soll für "
                                           "Zugvorlage und Statusdateien verwendet werden?")
                                .arg(game_.session.slot)
                                .arg(startFolder, startConfig_.path(), game_.session.programPath),
                            buttons)
          : 0;
  if (answer != 0) return;
  gameopening::adoptProgramPath(game_.session, startConfig_, startFolder);
  StatusBar1->showMessage(QStringLiteral("Programmpfad von Spiel %1 ist jetzt %2.").arg(game_.session.slot).arg(startFolder));
}

bool TForm1::offerStartFolder() {
  const QString problem = gameopening::programPathProblem(game_.session.programPath);
  const int slot = game_.session.slot;
  const int line = ConfigFile::offset(slot) + ConfigFile::ProgramPath + 1;
  const QString startFolder =
      startConfig_.path().isEmpty() ? QString() : QFileInfo(startConfig_.path()).absolutePath();
  if (!startFolder.isEmpty() &&
      prompts_.confirm(QStringLiteral("%1\n\nSoll der Ordner, in dem Zendral gestartet wurde, als Programmpfad von "
                                      "Spiel %2 verwendet werden?\n%3\n\nDer Pfad wird in Zeile %4 von %5 eingetragen.")
                           .arg(problem)
                           .arg(slot)
                           .arg(startFolder)
                           .arg(line)
                           .arg(startConfig_.path()))) {
    gameopening::adoptProgramPath(game_.session, startConfig_, startFolder);
    return true;
  }
  prompts_.error(QStringLiteral("%1\nSpiel %2 wird nicht geöffnet. Bitte den Programmpfad in Zeile %3 von %4 "
                                "berichtigen und Zendral neu starten.")
                     .arg(problem)
                     .arg(slot)
                     .arg(line)
                     .arg(startConfig_.path().isEmpty() ? ConfigFile::fileName() : startConfig_.path()));
  return false;
}

void TForm1::adaptToQuarnel() {
  regionPage->adaptToQuarnel();
  statusPage()->adaptToQuarnel();
}

void TForm1::refreshFromModels() {
  PageControl1->showPages(game_.pages);
  statusPage()->showFields(game_.status);
  templatePage->showModel();
  pointsPage->show(game_.points);
  const QString round = QString::number(game_.session.roundCode);
  groupPage->Edit19->setText(round);
  shipRegisterPage->Edit26->setText(round);
  if (opened_) {
    problemsController->refreshKnowledge();
    mapController->refreshLevels();
    groupPage->refreshParties();
    shipRegisterPage->refreshParties();
  }
}

void TForm1::Neu1Click() {
  if (!opened_) {
    prompts_.error(QStringLiteral("Es ist kein Spiel geöffnet; ein CR kann erst nach dem Start eines Spiels eingelesen werden."));
    return;
  }
  const QString path = chooseReport_ ? chooseReport_()
                                     : reportfiledialog::choose(this, reportfolder::lastFolder(game_.session.programPath));
  if (path.isEmpty()) return;
  if (!importer_) {
    prompts_.error(QStringLiteral("Das Einlesen von Auswertungen ist in diesem Programm nicht verfügbar."));
    return;
  }
  if (!saveOrdersBeforeImport()) return;
  // Where the reports are is no reason to stop reading this one.
  reportfolder::remember(game_.session.programPath, path);

  // The editor's own changes belong to the template the import replaces.
  templatePage->commitToModel();

  ImportProgress idle;
  ImportProgress* progress = dialogs_.form5 ? static_cast<ImportProgress*>(dialogs_.form5) : &idle;
  QString failure;
  ImportOutcome outcome;
  QStringList informed;
  {
    // From here to the end the main window takes no input and the progress
    // window stays above it.
    auto guard = std::make_unique<ImportInputGuard>();
    setEnabled(false);
    if (dialogs_.form5) {
      dialogs_.form5->setEnabled(true);  // a child window, not greyed with the main window
      dialogs_.form5->reset();
      dialogs_.form5->setBusy(true);
      dialogs_.form5->show();
      dialogs_.form5->raise();
    }
    StatusFields counting = game_.status;
    counting.resetImportCounters();
    statusPage()->showFields(counting);

    ImportCallbacks callbacks;
    callbacks.askYesNo = [this](const QString& question) { return prompts_.warnYesNo(question); };
    if (prompts_.warnYesNoWithBox)
      callbacks.askVersion = [this](const QString& question) {
        versionquestion::Answer a;
        a.yes = prompts_.warnYesNoWithBox(question, versionquestion::checkBoxText(), &a.dontAskAgain);
        return a;
      };
    callbacks.inform = [this, &informed](const QString& message) {
      informed << message;
      prompts_.inform(message);
    };
    callbacks.progress = progress;

    WaitCursor cursor;
    try {
      outcome = importer_(game_, path, callbacks);
      if (outcome.status == ImportOutcome::Status::Failed) failure = outcome.message;
    } catch (const ZendralError& e) {
      failure = e.message();
    } catch (const std::exception& e) {
      failure = QStringLiteral("Der CR %1 konnte nicht eingelesen werden: %2").arg(path, QString::fromUtf8(e.what()));
    } catch (...) {
      failure = QStringLiteral("Der CR %1 konnte nicht eingelesen werden.").arg(path);
    }
    // The pages are filled while the progress still shows; then, in one
    // step, the progress goes and the window comes back.
    refreshFromModels();
    cursor.restore();
    guard.reset();
    if (dialogs_.form5) {
      dialogs_.form5->setBusy(false);
      dialogs_.form5->hide();
    }
    setEnabled(true);
  }
  if (outcome.ok() && failure.isEmpty()) mapController->reportRead();

  if (failure.isEmpty() && outcome.status == ImportOutcome::Status::Failed)
    failure = QStringLiteral("Der CR %1 konnte nicht eingelesen werden.").arg(path);
  if (!outcome.keptTemplate.isEmpty()) StatusBar1->showMessage(outcome.keptTemplate);
  if (!failure.isEmpty()) {
    if (!informed.contains(failure)) prompts_.error(failure);
  } else if (outcome.status == ImportOutcome::Status::Refused && !outcome.message.isEmpty() &&
             !informed.contains(outcome.message)) {
    prompts_.inform(outcome.message);
  }
}

bool TForm1::saveOrdersBeforeImport() {
  templatePage->commitToModel();
  if (!game_.orders.unsaved()) return true;
  const QStringList buttons = {QStringLiteral("Ja"), QStringLiteral("Nein"), QStringLiteral("Abbrechen")};
  // Without anyone to ask, the orders are saved before the report is read.
  const int answer =
      prompts_.choose
          ? prompts_.choose(QStringLiteral("Die Zugvorlage wurde noch nicht gespeichert. Vor dem Einlesen speichern?"), buttons)
          : 0;
  if (answer == 1) return true;
  // A save that did not go through keeps the orders and the report unread.
  return answer == 0 && templatePage->Speichern1Click();
}

void TForm1::Optionen1Click() {
  if (!opened_ || !dialogs_.form2) return;
  try {
    optionsWorking_ = options::open(game_.session);
  } catch (const ConfigError& e) {
    prompts_.error(e.message());
    return;
  }
  dialogs_.form2->setValues(optionsWorking_->values);
  setEnabled(false);
  dialogs_.form2->show();
  dialogs_.form2->raise();
}

void TForm1::saveOptions() {
  if (!optionsWorking_ || !dialogs_.form2) return;
  try {
    options::save(game_.session, *optionsWorking_, dialogs_.form2->values());
  } catch (const ConfigError& e) {
    prompts_.error(e.message());  // the dialog stays open with its values
    return;
  }
  const QString password = dialogs_.form2->values().password.trimmed();
  closeOptions();
  ordersController->passwordChanged(password);
}

void TForm1::closeOptions() {
  optionsWorking_.reset();
  if (dialogs_.form2) dialogs_.form2->hide();
  setEnabled(true);
  raise();
  activateWindow();
}

void TForm1::Info2Click() {
  if (!dialogs_.form7) return;
  dialogs_.form7->show();
  dialogs_.form7->raise();
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (!ordersController->mayClose()) {
    event->ignore();
    return;
  }
  event->accept();
  emit closed();
}
