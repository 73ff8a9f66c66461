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
      "  import [--dir VERZ] [--slot N] [--typ Molvanth|Quarnel] [--name NAME] [--ja] CR-DATEI\n"
      "      liest einen CR in Spiel N (Vorgabe 1) des Programmordners VERZ (Vorgabe: aktuelles\n"
      "      Verzeichnis). --typ gibt einem Spiel ohne Typ seinen Spieltyp, --ja beantwortet die\n"
      "      Versionsfrage mit Ja (ohne: Nein).\n"
      "  status [--dir VERZ] [--slot N]\n"
      "      zeigt die Statusfelder, Einkommen, Orkvermehrung, Produktion und Punkte des Spiels.\n"
      "  template [--dir VERZ] [--slot N]\n"
      "      zeigt Pfad und Text der Zugvorlage des Spiels.\n"
      "  tiles VERZEICHNIS\n"
      "      zeichnet die Standard-Kartenbilder nach VERZEICHNIS (vorhandene bleiben).\n"
      "  --help\n"
      "      diese Hilfe.\n");
}

}  // namespace cli
