// What the callers tell the player when a summary fails.
#include "stats/summaries.h"

namespace summaries {

namespace {
QString pleaseSend(const QString& file) {
  return QStringLiteral(". Bitte ~/status-data/%1 an %2 schicken.").arg(file, QLatin1String(kSupportAddress));
}
}  // namespace

QString einkommenFehlerBeimEinlesen(const QString& currentLine) {
  return QStringLiteral("Fehler bei Einkommenssummierung in Zeile: ") + currentLine +
         pleaseSend(QStringLiteral("x-einkommen.txt"));
}

QString einkommenFehlerBeimLaden(const QString& currentLine) {
  return QStringLiteral("Fehler bei Einkommenssummierung in Zeile: ") + currentLine;
}

QString produktionFehler(const QString& currentLine) {
  return QStringLiteral("Fehler bei Produktionssummierung in Zeile: ") + currentLine +
         pleaseSend(QStringLiteral("x-produktion.txt"));
}

QString orkFehlerBeimEinlesen() { return QStringLiteral("Fehler bei Orkberechnung."); }
QString orkFehlerBeimLaden() { return QStringLiteral("Fehler bei Orksummierung"); }

}  // namespace summaries
