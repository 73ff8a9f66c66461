#include <cstdio>

#include "cli/clicommands.h"

namespace cli {

void printOut(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
  if (!text.endsWith(QLatin1Char('\n'))) std::fputc('\n', stdout);
  std::fflush(stdout);
}

void printError(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
  if (!text.endsWith(QLatin1Char('\n'))) std::fputc('\n', stderr);
  std::fflush(stderr);
}

QString usage() {
  return QStringLiteral(
      "zendral-cli – Zendral ohne Fenster\n"
      "\n"
      "Befehle:\n"
      "  init VERZEICHNIS\n"
      "      legt einen vollständigen Programmordner an (zendral.cfg, images/, status-data/,\n"
      "      Datenbank Molvanth.sqlite); vorhandene Dateien bleiben unverändert.\n"
      "  import [--dir VERZ] [--slot N] [--typ Molvanth|Quarnel] [--name NAME] [--ja] [--aelter] CR-DATEI\n"
      "      liest einen CR in Spiel N (Vorgabe 1) des Programmordners VERZ (Vorgabe: aktuelles\n"
      "      Verzeichnis). --typ gibt einem Spiel ohne Typ seinen Spieltyp, --ja beantwortet die\n"
      "      Versionsfrage mit Ja (ohne: Nein). Ein CR, der älter ist als der zuletzt eingelesene,\n"
      "      wird nur mit --aelter gelesen.\n"
      "  status [--dir VERZ] [--slot N]\n"
      "      zeigt die Statusfelder, Einkommen, Orkvermehrung, Produktion und Punkte des Spiels.\n"
      "  template [--dir VERZ] [--slot N]\n"
      "      zeigt Pfad und Text der Zugvorlage des Spiels.\n"
      "  map [--dir VERZ] [--slot N] [--level L] [--overlay ships,units,messages] [--zoom Z] [--out DATEI.png]\n"
      "      zeichnet die Weltkarte wie „Weltkarte aktualisieren“ (images/worldmap-N[-L].bmp, Ursprung in\n"
      "      zendral.cfg); mit --out zusätzlich ein PNG mit den gewählten Ebenen, Vergrößerung 1 bis 4.\n"
      "  smallmap [--dir VERZ] [--slot N] --x X --y Y [--level L] [--out DATEI.png]\n"
      "      zeichnet die kleine Karte um X/Y mit Straßen und Markierungen.\n"
      "  pick [--dir VERZ] [--slot N] (--world [--level L] | --small --x CX --y CY) PX PY\n"
      "      nennt die Region „x/y“ unter dem Pixel PX PY der Weltkarte oder der kleinen Karte.\n"
      "  check [--dir VERZ] [--slot N]\n"
      "      lässt den in den Optionen eingetragenen Zug Checker die gespeicherte Zugvorlage prüfen\n"
      "      und zeigt status-data/check.txt.\n"
      "  send [--dir VERZ] [--slot N] [--print]\n"
      "      übergibt die gespeicherte Zugvorlage mit xdg-email an den Spielserver (Adresse und Betreff\n"
      "      aus dem neuesten CR); --print zeigt nur Adresse, Betreff und Datei.\n"
      "  groups [--dir VERZ] [--slot N] [--gruppe G] [--partei NR|-2] [--einheit NR] [--name TEXT]\n"
      "         [--datum OP R]\n"
      "      Gruppierungen: Gruppe (Vorgabe Alle), Partei Nr dezimal (-2: alle Parteien), Einheit Nr\n"
      "      in der Schreibweise des Spiels, Einheitenname, Info Datum mit =, > oder < (Vorgabe: =\n"
      "      aktuelle Runde).\n"
      "  set-group [--dir VERZ] [--slot N] POSITION NR GRUPPE\n"
      "      setzt die Gruppe einer Einheit wie das Menü der Gruppierungen (Keine, 1. Armee bis\n"
      "      4. Armee, Händler, Botschafter, Unterhalter, Transporter).\n"
      "  army [--dir VERZ] [--slot N] [--armee TEXT]\n"
      "      Armeebericht (Vorgabe Alle) mit Soldaten, Waffen und Fernwaffen.\n"
      "  ships [--dir VERZ] [--slot N] [--partei NR|-2] [--typ T] [--datum R]\n"
      "      Schiffsregister einer Partei (-2: alle) und eines Typs (Vorgabe Alle) in Runde R\n"
      "      (Vorgabe: aktuelle Runde).\n"
      "  map-export [--dir VERZ] [--slot N] [--level L] [--around X Y R] DATEI\n"
      "      schreibt die Karte des Spiels (mit --level nur diese Ebene, mit --around nur den\n"
      "      Bereich mit Radius R um X/Y) als Kartendatei.\n"
      "  map-import [--dir VERZ] [--slot N] DATEI\n"
      "      fügt die noch unbekannten Regionen einer Kartendatei dem Spiel hinzu.\n"
      "  add-region [--dir VERZ] [--slot N] [--level L] --x X --y Y --name NAME --typ GELÄNDE [--angebot TEXT]\n"
      "      erfasst eine Region von Hand (GELÄNDE: Berge, Ebene, Gletscher, Hochland, Ozean,\n"
      "      Sumpf, Wald, Wüste).\n"
      "  cleanup [--dir VERZ] [--slot N] [--delete KLASSE]\n"
      "      zählt die Einheiten des Spiels nach Alter und listet die eigenen, vernichteten;\n"
      "      --delete löscht eine Klasse (eigene, 1-6, 6-24, 24-36, 36+).\n"
      "  region [--dir VERZ] [--slot N] [--level L] [--alle] [--alt] X Y\n"
      "      zeigt die Region X/Y wie die Seite „Region Info“: Felder, Besitztümer, Bewacher,\n"
      "      Umgebung, Einheitenliste und Statistik. --alle: alle Parteien (sonst nur eigene),\n"
      "      --alt: auch Angaben älterer Runden.\n"
      "  unit [--dir VERZ] [--slot N] NR\n"
      "      zeigt die Einheit NR (Nummer wie im Spiel) mit Gegenständen, Talenten und Meldungen.\n"
      "  problems [--dir VERZ] [--slot N] [DATEI]\n"
      "      prüft die Zugvorlage des Spiels (oder DATEI) mit der eingebauten Prüfung und gibt je\n"
      "      Problem eine Zeile „Zeile n: Fehler|Warnung: EINHEIT nr: Text“ aus; Rückgabewert 1,\n"
      "      wenn es Fehler gibt.\n"
      "  find [--dir VERZ] [--slot N] TEXT\n"
      "      sucht Regionen nach Name oder \"x y\" (\"x y Ebene\"), Einheiten nach Nummer oder Name,\n"
      "      Burgen und Schiffe nach Nummer und gibt je Treffer eine Zeile aus: „Region x/y[/Ebene]\n"
      "      Name“, „Einheit nr Name (x/y)“, „Burg nr Name (x/y)“, „Schiff nr Name (x/y)“;\n"
      "      Rückgabewert 1, wenn nichts gefunden wurde.\n"
      "  points [--dir VERZ] [--slot N] --out DATEI.png\n"
      "      zeichnet die Punkte Statistik als Diagramm (eigene Punkte, Durchschnitt, Silber und\n"
      "      Personen der Partei über die Runden) in eine PNG-Datei.\n"
      "  orders [--dir VERZ] [--slot N] NR [--set DATEI] [--mark x|X|none]\n"
      "      zeigt die Zeilen der Einheit in der Zugvorlage wie der Befehlseditor; --set ersetzt\n"
      "      die Befehle der Einheit durch die Zeilen aus DATEI und speichert die Zugvorlage.\n"
      "      DATEI darf mit der Kopfzeile der Einheit (\"EINHEIT NR;...\") beginnen oder gleich mit\n"
      "      den Befehlen; Zeilen, die mit EINHEIT, REGION, NAECHSTER oder PARTEI beginnen, werden\n"
      "      abgelehnt. --mark setzt Markierung (x), lange Markierung (X) oder keine.\n"
      "  tiles VERZEICHNIS\n"
      "      zeichnet die Standard-Kartenbilder nach VERZEICHNIS (vorhandene bleiben).\n"
      "  restore [--dir VERZ]\n"
      "      setzt eine beschädigte Datenbank auf die Sicherung vor dem letzten Einlesen zurück\n"
      "      (Molvanth-vor-dem-Einlesen.sqlite); die ersetzte Datei bleibt erhalten.\n"
      "  --help\n"
      "      diese Hilfe.\n");
}

}  // namespace cli
