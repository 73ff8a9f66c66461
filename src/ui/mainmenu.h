#pragma once
// The main window's menu bar with every menu and item in their order.
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

struct MainMenu {
  explicit MainMenu(QWidget* window);

  QMenuBar* MainMenu1;
  QMenu* Datei1;
  QAction* Neu1;                       // "&CR einlesen"
  QAction* Speichern1;                 // "Zugvorlage &Speichern"
  QAction* ZugVorlageSpeichern1;       // "&Zugvorlage Speichern unter..."
  QAction* ZugvorlageOeffnen1;         // "Zugvorlage ö&ffnen…"
  QAction* BefehleVersenden1;          // "Befehle &versenden"
  QAction* Optionen1;                  // "&Optionen"
  QAction* Beenden1;                   // "&Beenden"
  QMenu* Karte1;
  QAction* Regioneingeben1;            // "&Region manuell eingeben"
  QAction* Inselkarteexportieren1;     // "&Weltkarte aktualisieren"
  QAction* Kartendatenimportieren1;    // "Kartendaten &importieren"
  QAction* Kartendatenexportieren1;    // "Gesamtkarte &exportieren"
  QAction* Kartenbereichexportieren1;  // "Kartenbereich e&xportieren"
  QAction* KoordinatenUmrechnen1;      // disabled
  QMenu* Tools1;
  QAction* ZugChecker1;                // "&Zug Checker"
  QAction* Taschenrechner1;            // "&Taschenrechner"
  QAction* Datenbankaufrumen1;         // "&Datenbank aufräumen"
  QMenu* Hilfe1;
  QAction* KurzReferenz1;              // disabled
  QAction* Info2;                      // "&Info"
};
