#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include "db/table.h"
#include "game/textutil.h"
#include "report/importstate.h"
#include "turn/programfolder.h"
#include "ui/formhelpers.h"
#include "ui/maintoolbar.h"
#include "ui/regionpage.h"
#include "ui/reportpagespanel.h"
#include "ui/statuspage.h"
#include "ui/templatepage.h"
#include "ui/unitpage.h"
#include "support/testsupport.h"
#include "uitestsupport.h"

namespace {

using formhelpers::boundField;
using formhelpers::captionOf;

struct MainWindowTest : ::testing::Test, uitest::MainWindowFixture {
  bool shown(QWidget* w) { return w->isVisibleTo(form1.get()); }
  bool shownWithCaption(QWidget* w) {
    QLabel* caption = captionOf(w);
    EXPECT_NE(caption, nullptr) << w->objectName().toStdString();
    return shown(w) && caption && shown(caption);
  }
  bool hiddenWithCaption(QWidget* w) {
    QLabel* caption = captionOf(w);
    EXPECT_NE(caption, nullptr) << w->objectName().toStdString();
    return !shown(w) && caption && !shown(caption);
  }
  QList<QWidget*> quarnelHidden() {
    RegionPage* r = form1->regionPage;
    StatusPage* s = form1->statusPage();
    return {r->DBEdit28, r->DBEdit29, r->Edit14, r->Edit15, s->Edit3, s->Edit4, s->Edit22, s->Edit23, s->Edit28};
  }
  int xIn(QWidget* w) { return w->mapTo(form1->statusPage(), QPoint(0, 0)).x(); }
};

TEST_F(MainWindowTest, MenuHoldsEveryItemInOrder) {
  const QMenuBar* bar = form1->menu.MainMenu1;
  EXPECT_EQ(bar->objectName(), QStringLiteral("MainMenu1"));
  QStringList menus;
  QStringList items;
  QStringList disabled;
  for (QAction* m : bar->actions()) {
    menus << m->text();
    for (QAction* a : m->menu()->actions()) {
      items << (a->isSeparator() ? QStringLiteral("-") : a->text());
      if (!a->isEnabled()) disabled << a->text();
    }
  }
  EXPECT_EQ(menus, QStringList({QStringLiteral("&Datei"), QStringLiteral("&Karte"), QStringLiteral("&Tools"),
                                QStringLiteral("&Hilfe")}));
  EXPECT_EQ(items, QStringList({QStringLiteral("&CR einlesen"), QStringLiteral("Zugvorlage &Speichern"),
                                QStringLiteral("&Zugvorlage Speichern unter..."), QStringLiteral("Zugvorlage ö&ffnen…"),
                                QStringLiteral("Befehle &versenden"), QStringLiteral("&Optionen"),
                                QStringLiteral("-"), QStringLiteral("&Beenden"),
                                QStringLiteral("&Region manuell eingeben"), QStringLiteral("&Weltkarte aktualisieren"),
                                QStringLiteral("Kartendaten &importieren"), QStringLiteral("Gesamtkarte &exportieren"),
                                QStringLiteral("Kartenbereich e&xportieren"),
                                QStringLiteral("&Koordinaten Umrechnen (Ursprung)"), QStringLiteral("-"),
                                QStringLiteral("Weltkarte &1fach"), QStringLiteral("Weltkarte &2fach"),
                                QStringLiteral("Weltkarte &3fach"), QStringLiteral("Weltkarte &4fach"),
                                QStringLiteral("Weltkarte &6fach"), QStringLiteral("Weltkarte &8fach"),
                                QStringLiteral("&Ganze Karte"), QStringLiteral("Weltkarte &vergrößern"),
                                QStringLiteral("Weltkarte ver&kleinern"), QStringLiteral("-"), QStringLiteral("&Suchen…"), QStringLiteral("&Zug Checker"),
                                QStringLiteral("&Taschenrechner"), QStringLiteral("&Datenbank aufräumen"),
                                QStringLiteral("&Kurz Referenz"), QStringLiteral("&Info")}));
  EXPECT_EQ(disabled,
            QStringList({QStringLiteral("&Koordinaten Umrechnen (Ursprung)"), QStringLiteral("&Kurz Referenz")}));
}

TEST_F(MainWindowTest, WindowFrameBeforeAGameIsOpened) {
  EXPECT_EQ(form1->windowTitle(), QStringLiteral("Molvanth Assistent"));
  QStringList hints;
  for (int i = 1; i <= 6; ++i) {
    auto* b = form1->ToolBar1->findChild<QToolButton*>(QStringLiteral("ToolButton%1").arg(i));
    ASSERT_NE(b, nullptr) << i;
    hints << b->toolTip();
  }
  EXPECT_EQ(hints, QStringList({QStringLiteral("Schiffe einblenden"), QStringLiteral("Einheiten einblenden"),
                                QStringLiteral("Weltkarte aktualisieren"), QStringLiteral("Regionsmeldungen einblenden"),
                                QStringLiteral("Zug prüfen lassen"), QStringLiteral("Besitztümer auflisten")}));
  EXPECT_EQ(form1->statusPanels[0]->width() + form1->statusPanels[1]->width() + form1->statusPanels[2]->width(), 600);

  // Report pages wait for content; "Status" is always there.
  QTabWidget* upper = form1->PageControl1;
  QStringList visible;
  for (int i = 0; i < upper->count(); ++i)
    if (upper->isTabVisible(i)) visible << upper->tabText(i);
  EXPECT_EQ(visible, QStringList({QStringLiteral("Status")}));
  EXPECT_EQ(upper->count(), 12);
  QStringList lower;
  for (int i = 0; i < form1->PageControl2->count(); ++i) lower << form1->PageControl2->tabText(i);
  EXPECT_EQ(lower, QStringList({QStringLiteral("Region Info"), QStringLiteral("Einheiten"), QStringLiteral("Zugvorlage"),
                                QStringLiteral("Gruppierungen"), QStringLiteral("Armee"),
                                QStringLiteral("Schiffsregister"), QStringLiteral("Statistik"),
                                QStringLiteral("Punkte Statistik")}));
  for (const char* name : {"ListBox3", "RichEdit4", "Shape1", "PageControl1", "PageControl2", "StringGrid2",
                           "StatusBar1", "ScrollBox1", "Image82", "Image1", "UpDown1", "Edit24", "Button3"})
    EXPECT_NE(form1->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
}

TEST_F(MainWindowTest, OpeningAMolvanthSlot) {
  form3.show();
  form1->setEnabled(false);
  ASSERT_TRUE(form1->spielinitialisierung(1, QStringLiteral("Erstes"), QStringLiteral("Molvanth")));
  QApplication::processEvents();
  EXPECT_TRUE(said.errors.isEmpty()) << said.errors.join(QLatin1Char('\n')).toStdString();
  EXPECT_FALSE(form3.isVisible());
  EXPECT_TRUE(form1->isEnabled());
  EXPECT_EQ(form1->windowTitle(), QStringLiteral("Molvanth Assistent"));
  EXPECT_EQ(form7.productLine(), QStringLiteral("Zendral V3.7.16"));

  const GameSession& s = game.session;
  EXPECT_EQ(s.slot, 1);
  EXPECT_EQ(s.gameType, kMolvanth);
  EXPECT_EQ(s.ownPartyName, QStringLiteral("Die Wölfe"));
  EXPECT_EQ(s.ownPartyNumber, 757);
  EXPECT_EQ(s.roundCode, 3806);
  EXPECT_EQ(s.path(QStringLiteral("zendral.cfg")), configPath());

  for (QWidget* w : quarnelHidden()) EXPECT_TRUE(shownWithCaption(w)) << w->objectName().toStdString();
  QStringList roads;
  for (QLabel* l : form1->regionPage->roadDisplays()) roads << boundField(l);
  EXPECT_EQ(roads, QStringList({QStringLiteral("Strasse"), QStringLiteral("Strasse1"), QStringLiteral("Strasse2"),
                                QStringLiteral("Strasse3"), QStringLiteral("Strasse4"), QStringLiteral("Strasse5")}));
  EXPECT_GT(xIn(form1->statusPage()->Edit5), xIn(form1->statusPage()->Edit7));

  // Unit details start collapsed; the slot's tables are filtered.
  UnitPage* u = form1->unitPage;
  EXPECT_FALSE(u->PageControl4->isTabVisible(u->PageControl4->indexOf(u->TabSheet23)));
  EXPECT_FALSE(u->PageControl4->isTabVisible(u->PageControl4->indexOf(u->TabSheet24)));
  EXPECT_EQ(u->PageControl4->height(), 69);
  ASSERT_NE(form1->tables(), nullptr);
  EXPECT_TRUE(form1->tables()->regionen.filtered());
  EXPECT_TRUE(form1->tables()->parteien.filtered());
  EXPECT_TRUE(form1->tables()->ebenen.filtered());
  EXPECT_TRUE(form1->tables()->ebenen.isOpen());
  EXPECT_EQ(form1->findChild<QLineEdit*>(QStringLiteral("Edit19"))->text(), QStringLiteral("3806"));
  EXPECT_EQ(form1->findChild<QLineEdit*>(QStringLiteral("Edit26"))->text(), QStringLiteral("3806"));
}

TEST_F(MainWindowTest, OpeningAQuarnelSlotAdaptsTheWindow) {
  ASSERT_TRUE(form1->spielinitialisierung(2, QStringLiteral("Zweites"), QStringLiteral("Quarnel")));
  QApplication::processEvents();
  EXPECT_EQ(form1->windowTitle(), QStringLiteral("Quarnel Assistent"));
  EXPECT_EQ(game.session.gameType, kQuarnel);
  for (QWidget* w : quarnelHidden()) EXPECT_TRUE(hiddenWithCaption(w)) << w->objectName().toStdString();
  // Fields Quarnel has stay.
  for (QWidget* w : {static_cast<QWidget*>(form1->regionPage->DBEdit27), static_cast<QWidget*>(form1->statusPage()->Edit13)})
    EXPECT_TRUE(shownWithCaption(w));

  // Every road display shows the region's own road value.
  for (QLabel* l : form1->regionPage->roadDisplays()) EXPECT_EQ(boundField(l), QStringLiteral("Strasse"));
  form1->regionPage->showBound([](const QString& field) {
    return field == QStringLiteral("Strasse") ? QStringLiteral("100") : QStringLiteral("7");
  });
  for (QLabel* l : form1->regionPage->roadDisplays()) EXPECT_EQ(l->text(), QStringLiteral("100"));
  EXPECT_EQ(form1->regionPage->DBEdit7->text(), QStringLiteral("7"));

  // Faction name and date take the room of the points.
  StatusPage* status = form1->statusPage();
  EXPECT_EQ(status->Edit5->width(), 305);
  EXPECT_EQ(status->Edit6->width(), 393);
  EXPECT_EQ(xIn(status->Edit5), xIn(status->Edit7));
}

TEST_F(MainWindowTest, ASlotWithoutTypeOpensAsQuarnel) {
  ASSERT_TRUE(form1->spielinitialisierung(3, QString(), QString()));
  EXPECT_EQ(game.session.gameType, kQuarnel);
  EXPECT_EQ(form1->windowTitle(), QStringLiteral(" Assistent"));
  EXPECT_TRUE(hiddenWithCaption(form1->statusPage()->Edit3));
}

TEST_F(MainWindowTest, ABadConfigurationLineStopsTheOpeningWithItsName) {
  config.setSlotLine(1, ConfigFile::PartyNumber, QStringLiteral("abc"));
  config.save();
  recreateWindow();
  EXPECT_FALSE(form1->spielinitialisierung(1, QStringLiteral("Erstes"), QStringLiteral("Molvanth")));
  ASSERT_EQ(said.errors.size(), 1);
  EXPECT_TRUE(said.errors.at(0).contains(QStringLiteral("Zeile 5"))) << said.errors.at(0).toStdString();
  EXPECT_TRUE(said.errors.at(0).contains(configPath())) << said.errors.at(0).toStdString();
  EXPECT_FALSE(form1->gameOpen());
  EXPECT_EQ(game.session.ownPartyNumber, 0);

  // Without an open game nothing is read.
  bool imported = false;
  form1->setReportChooser([] { return QStringLiteral("/tmp/cr.txt"); });
  form1->setImporter([&](OpenGame&, const QString&, const ImportCallbacks&) {
    imported = true;
    return ImportOutcome{};
  });
  form1->Neu1Click();
  EXPECT_FALSE(imported);
  EXPECT_EQ(said.errors.size(), 2);
}

TEST_F(MainWindowTest, OldTablesAreUpgradedAtTheFirstOpeningOnly) {
  db.exec(QStringLiteral("DROP TABLE regionen"));
  db.exec(QStringLiteral("CREATE TABLE regionen (\"Spiel\" INTEGER, \"Breite\" INTEGER, \"Länge\" INTEGER, "
                         "\"Ebene\" INTEGER, \"Regionname\" TEXT, PRIMARY KEY (\"Spiel\", \"Breite\", \"Länge\", \"Ebene\"))"));
  ASSERT_TRUE(form1->spielinitialisierung(1, QStringLiteral("Erstes"), QStringLiteral("Molvanth")));
  EXPECT_EQ(said.infos, QStringList({QStringLiteral("Regions-Tabelle wird nun erweitert. (Steine)"),
                                     QStringLiteral("Regions-Tabelle wird nun erweitert. (Schoesslinge)")}));
  EXPECT_TRUE(form1->tables()->regionen.hasField(QStringLiteral("Schoesslinge")));
  said.infos.clear();
  recreateWindow();
  ASSERT_TRUE(form1->spielinitialisierung(1, QStringLiteral("Erstes"), QStringLiteral("Molvanth")));
  EXPECT_TRUE(said.infos.isEmpty());
}

TEST_F(MainWindowTest, ClosingOverUnsavedOrdersSavesDropsOrStays) {
  const QString question = QStringLiteral("Die Zugvorlage wurde noch nicht gespeichert. Vor dem Beenden speichern?");
  int closedSignals = 0;
  QObject::connect(form1.get(), &TForm1::closed, [&] { ++closedSignals; });
  ASSERT_TRUE(form1->spielinitialisierung(1, QStringLiteral("Erstes"), QStringLiteral("Molvanth")));
  game.status.datum = QStringLiteral("Juni im Jahre 38");
  const QString file = dir.filePath(QStringLiteral("Zug-Spiel1-38-Juni.txt"));

  // "Abbrechen" keeps the window and the orders.
  form1->templatePage->RichEdit4->insertPlainText(QStringLiteral("EINHEIT abc"));
  EXPECT_TRUE(game.orders.unsaved());
  said.choice = 2;
  EXPECT_FALSE(form1->close());
  EXPECT_TRUE(form1->isVisible());
  EXPECT_EQ(said.choices, QStringList({question}));
  EXPECT_EQ(closedSignals, 0);
  EXPECT_FALSE(QFile::exists(file));

  // A save that fails (the file's place is a folder) keeps the window open.
  ASSERT_TRUE(QDir().mkpath(file));
  said.choice = 0;
  EXPECT_FALSE(form1->close());
  EXPECT_EQ(closedSignals, 0);
  EXPECT_FALSE(said.errors.isEmpty());
  ASSERT_TRUE(QDir().rmdir(file));

  // "Speichern" writes the orders, then closes.
  EXPECT_TRUE(form1->close());
  EXPECT_EQ(closedSignals, 1);
  EXPECT_EQ(textutil::readLines(file).value_or(QStringList()), QStringList({QStringLiteral("EINHEIT abc")}));

  // "Nicht speichern" closes without writing.
  form1->show();
  form1->templatePage->RichEdit4->insertPlainText(QStringLiteral("\nLERNE Magie"));
  said.choice = 1;
  EXPECT_TRUE(form1->close());
  EXPECT_EQ(closedSignals, 2);
  EXPECT_EQ(textutil::readLines(file).value_or(QStringList()).size(), 1);

  // Saved: no question.
  form1->show();
  game.orders.setUnsaved(false);
  said.choices.clear();
  EXPECT_TRUE(form1->close());
  EXPECT_TRUE(said.choices.isEmpty());
}

TEST_F(MainWindowTest, OptionsAreSavedThroughTheDialogOrLeftAlone) {
  ASSERT_TRUE(form1->spielinitialisierung(1, QStringLiteral("Erstes"), QStringLiteral("Molvanth")));
  form1->Optionen1Click();
  EXPECT_FALSE(form1->isEnabled());
  EXPECT_TRUE(form2.isVisible());
  EXPECT_EQ(form2.Edit1->text(), config.slotLine(1, ConfigFile::ProgramPath));

  form2.Edit3->setText(QStringLiteral("zz"));
  form2.Button1->click();
  EXPECT_EQ(said.errors.size(), 1);
  EXPECT_TRUE(form2.isVisible());  // the player can correct the value
  EXPECT_FALSE(form1->isEnabled());

  form2.Edit3->setText(QStringLiteral("5"));
  form2.Edit2->setText(QStringLiteral("/opt/mcheck"));
  form2.Button1->click();
  EXPECT_FALSE(form2.isVisible());
  EXPECT_TRUE(form1->isEnabled());
  EXPECT_EQ(ConfigFile::load(configPath()).slotLine(1, ConfigFile::HomeX), QStringLiteral("5"));
  EXPECT_EQ(game.session.checkerPath, QStringLiteral("/opt/mcheck"));
  EXPECT_EQ(game.session.smallMapX, 0);  // until the next opening

  form1->Optionen1Click();
  EXPECT_EQ(form2.Edit3->text(), QStringLiteral("5"));
  form2.Edit3->setText(QStringLiteral("9"));
  form2.Button2->click();
  EXPECT_FALSE(form2.isVisible());
  EXPECT_TRUE(form1->isEnabled());
  EXPECT_EQ(ConfigFile::load(configPath()).slotLine(1, ConfigFile::HomeX), QStringLiteral("5"));
}

struct ImportWindowTest : MainWindowTest {
  void SetUp() override {
    ASSERT_TRUE(form1->spielinitialisierung(1, QStringLiteral("Erstes"), QStringLiteral("Molvanth")));
    form1->setReportChooser([this] { return chosen; });
  }
  QString chosen = QStringLiteral("/spiele/cr-450.txt");
};

TEST_F(ImportWindowTest, AReadReportIsShownAndTheWindowGivenBack) {
  bool sawDisabled = false, sawProgress = false, answer = false;
  QString readPath;
  form1->setImporter([&](OpenGame& g, const QString& path, const ImportCallbacks& cb) {
    readPath = path;
    sawDisabled = !form1->isEnabled();
    sawProgress = form5.isVisible() && cb.progress == static_cast<ImportProgress*>(&form5);
    cb.progress->setPart(QStringLiteral("Informationen werden eingelesen für : Ozean (1/2)"));
    cb.progress->setPercent(40);
    answer = cb.askYesNo(QStringLiteral("Trotzdem einlesen?"));
    g.pages.kaempfe << QStringLiteral("Kampf in Drachenfels");
    g.pages.botschaften << QStringLiteral("Botschaft");
    g.status.datum = QStringLiteral("Juni im Jahre 38");
    g.orders.setLines({QStringLiteral(" PARTEI L1 \"geheim\""), QString(), QStringLiteral(" NAECHSTER")});
    g.orders.setUnsaved(false);
    g.session.roundCode = 3807;
    ImportOutcome out;
    out.status = ImportOutcome::Status::Read;
    return out;
  });
  said.answer = true;
  form1->Neu1Click();

  EXPECT_EQ(readPath, chosen);
  EXPECT_TRUE(sawDisabled);
  EXPECT_TRUE(sawProgress);
  EXPECT_TRUE(answer);
  EXPECT_EQ(said.warnings, QStringList({QStringLiteral("Trotzdem einlesen?")}));
  EXPECT_TRUE(said.errors.isEmpty());
  EXPECT_TRUE(form1->isEnabled());
  EXPECT_FALSE(form5.isVisible());

  ReportPagesPanel* upper = form1->PageControl1;
  EXPECT_TRUE(upper->isTabVisible(upper->pageIndex(QStringLiteral("Kämpfe"))));
  EXPECT_TRUE(upper->isTabVisible(upper->pageIndex(QStringLiteral("Botschaften"))));
  EXPECT_FALSE(upper->isTabVisible(upper->pageIndex(QStringLiteral("Warnungen"))));
  EXPECT_EQ(upper->ListBox1->count(), 1);
  EXPECT_EQ(form1->statusPage()->Edit6->text(), QStringLiteral("Juni im Jahre 38"));
  EXPECT_EQ(form1->templatePage->RichEdit4->toPlainText(),
            QStringLiteral(" PARTEI L1 \"geheim\"\n\n NAECHSTER"));
  EXPECT_FALSE(game.orders.unsaved());  // showing the template is no change
  EXPECT_EQ(form1->findChild<QLineEdit*>(QStringLiteral("Edit26"))->text(), QStringLiteral("3807"));

  // A later report without battles keeps the page shown.
  form1->setImporter([](OpenGame& g, const QString&, const ImportCallbacks&) {
    g.pages.cleanup();
    ImportOutcome out;
    out.status = ImportOutcome::Status::Read;
    return out;
  });
  form1->Neu1Click();
  EXPECT_TRUE(upper->isTabVisible(upper->pageIndex(QStringLiteral("Kämpfe"))));
  EXPECT_EQ(upper->ListBox1->count(), 0);
}

TEST_F(ImportWindowTest, FailuresAreShownAndLeaveTheEditorAsItWas) {
  form1->templatePage->RichEdit4->setPlainText(QStringLiteral("meine Befehle"));
  ASSERT_TRUE(game.orders.unsaved());
  said.choice = 1;  // read without saving first

  form1->setImporter([](OpenGame&, const QString&, const ImportCallbacks&) {
    ImportOutcome out;
    out.status = ImportOutcome::Status::Failed;
    out.message = QStringLiteral("Fehler in Zeile 12: keine Zahl");
    return out;
  });
  form1->Neu1Click();
  EXPECT_EQ(said.errors, QStringList({QStringLiteral("Fehler in Zeile 12: keine Zahl")}));
  EXPECT_TRUE(form1->isEnabled());
  EXPECT_FALSE(form5.isVisible());
  EXPECT_EQ(form1->templatePage->RichEdit4->toPlainText(), QStringLiteral("meine Befehle"));
  EXPECT_TRUE(game.orders.unsaved());

  form1->setImporter([](OpenGame&, const QString&, const ImportCallbacks&) -> ImportOutcome {
    throw std::runtime_error("Speicher voll");
  });
  form1->Neu1Click();
  ASSERT_EQ(said.errors.size(), 2);
  EXPECT_TRUE(said.errors.at(1).contains(QStringLiteral("Speicher voll")));
  EXPECT_TRUE(said.errors.at(1).contains(chosen));
  EXPECT_TRUE(form1->isEnabled());
  EXPECT_FALSE(form5.isVisible());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ImportWindowTest, DecliningAnOlderReportKeepsWhatTheStatusShows) {
  QTemporaryDir reports;
  QFile source(testsupport::testData(QStringLiteral("1234-neue-partei.cr")));
  ASSERT_TRUE(source.open(QIODevice::ReadOnly));
  // A version read without asking: the only question is the older round's.
  QByteArray report = source.readAll();
  report.replace(report.left(report.indexOf('\n')), "VERSION 45");
  QByteArray older = report;
  older.replace("1234;Runde", "1233;Runde");
  for (const auto& [name, bytes] : {std::pair{"1234.cr", report}, std::pair{"1233.cr", older}}) {
    QFile f(reports.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  programfolder::initProgramFolder(dir.path());  // the status files' folder
  form1->setImporter(importReport);
  chosen = reports.filePath(QStringLiteral("1234.cr"));
  form1->Neu1Click();
  StatusPage* status = form1->statusPage();
  const QStringList shown = {status->Edit7->text(), status->Edit8->text(), status->Edit13->text()};
  ASSERT_NE(shown.at(0), QStringLiteral("0"));

  said.answer = false;  // "Nein" to the older report
  chosen = reports.filePath(QStringLiteral("1233.cr"));
  form1->Neu1Click();
  ASSERT_FALSE(said.warnings.isEmpty()) << said.errors.join(u'|').toStdString();
  EXPECT_TRUE(said.warnings.last().contains(QStringLiteral("Runde 1233 ("))) << said.warnings.last().toStdString();
  EXPECT_EQ(QStringList({status->Edit7->text(), status->Edit8->text(), status->Edit13->text()}), shown);
}

TEST_F(ImportWindowTest, ARefusalIsToldOnceAndACancelledChoiceReadsNothing) {
  const QString wrongGame = QStringLiteral(
      "Zendral wurde nicht mit dem Spieltyp des CR initialisiert. Bitte beenden und neustarten um diesen CR zu lesen.");
  form1->setImporter([&](OpenGame&, const QString&, const ImportCallbacks& cb) {
    cb.inform(wrongGame);
    ImportOutcome out;
    out.status = ImportOutcome::Status::Refused;
    out.message = wrongGame;
    return out;
  });
  form1->Neu1Click();
  EXPECT_EQ(said.infos, QStringList({wrongGame}));
  EXPECT_TRUE(said.errors.isEmpty());
  EXPECT_TRUE(form1->isEnabled());

  int calls = 0;
  form1->setImporter([&](OpenGame&, const QString&, const ImportCallbacks&) {
    ++calls;
    return ImportOutcome{};
  });
  chosen.clear();
  form1->Neu1Click();
  EXPECT_EQ(calls, 0);
  EXPECT_TRUE(form1->isEnabled());
}

}  // namespace
