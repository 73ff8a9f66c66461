#include "ui/mainmenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {
QMenu* menu(QMenuBar* bar, const char* name, const QString& title) {
  QMenu* m = bar->addMenu(title);
  m->setObjectName(QString::fromLatin1(name));
  return m;
}

QAction* item(QMenu* m, const char* name, const QString& text, bool enabled = true) {
  QAction* a = m->addAction(text);
  a->setObjectName(QString::fromLatin1(name));
  a->setEnabled(enabled);
  return a;
}
}  // namespace

MainMenu::MainMenu(QWidget* window) {
  MainMenu1 = new QMenuBar(window);
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

  Datei1 = menu(MainMenu1, "Datei1", QStringLiteral("&Datei"));
  Neu1 = item(Datei1, "Neu1", QStringLiteral("&CR einlesen"));
  Speichern1 = item(Datei1, "Speichern1", QStringLiteral("Zugvorlage &Speichern"));
  Speichern1->setShortcut(QKeySequence::Save);
  ZugVorlageSpeichern1 = item(Datei1, "ZugVorlageSpeichern1", QStringLiteral("&Zugvorlage Speichern unter..."));
  ZugvorlageOeffnen1 = item(Datei1, "ZugvorlageOeffnen1", QStringLiteral("Zugvorlage ö&ffnen…"));
  BefehleVersenden1 = item(Datei1, "BefehleVersenden1", QStringLiteral("Befehle &versenden"));
  Optionen1 = item(Datei1, "Optionen1", QStringLiteral("&Optionen"));
  Datei1->addSeparator()->setObjectName(QStringLiteral("N1"));
  Beenden1 = item(Datei1, "Beenden1", QStringLiteral("&Beenden"));

  Karte1 = menu(MainMenu1, "Karte1", QStringLiteral("&Karte"));
  Regioneingeben1 = item(Karte1, "Regioneingeben1", QStringLiteral("&Region manuell eingeben"));
  Inselkarteexportieren1 = item(Karte1, "Inselkarteexportieren1", QStringLiteral("&Weltkarte aktualisieren"));
  Kartendatenimportieren1 = item(Karte1, "Kartendatenimportieren1", QStringLiteral("Kartendaten &importieren"));
  Kartendatenexportieren1 = item(Karte1, "Kartendatenexportieren1", QStringLiteral("Gesamtkarte &exportieren"));
  Kartenbereichexportieren1 =
      item(Karte1, "Kartenbereichexportieren1", QStringLiteral("Kartenbereich e&xportieren"));
  KoordinatenUmrechnen1 =
      item(Karte1, "KoordinatenUmrechnen1", QStringLiteral("&Koordinaten Umrechnen (Ursprung)"), false);

  Tools1 = menu(MainMenu1, "Tools1", QStringLiteral("&Tools"));
  ZugChecker1 = item(Tools1, "ZugChecker1", QStringLiteral("&Zug Checker"));
  Taschenrechner1 = item(Tools1, "Taschenrechner1", QStringLiteral("&Taschenrechner"));
  Datenbankaufrumen1 = item(Tools1, "Datenbankaufrumen1", QStringLiteral("&Datenbank aufräumen"));

  Hilfe1 = menu(MainMenu1, "Hilfe1", QStringLiteral("&Hilfe"));
  KurzReferenz1 = item(Hilfe1, "KurzReferenz1", QStringLiteral("&Kurz Referenz"), false);
  Info2 = item(Hilfe1, "Info2", QStringLiteral("&Info"));
}
