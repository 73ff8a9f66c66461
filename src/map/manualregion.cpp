#include "map/manualregion.h"

#include "game/textutil.h"
#include "db/dberror.h"
#include "db/filteroff.h"
#include "db/table.h"

namespace manualregion {

QStringList terrainChoices() {
  return {QStringLiteral("Berge"), QStringLiteral("Ebene"), QStringLiteral("Gletscher"), QStringLiteral("Hochland"),
          QStringLiteral("Ozean"), QStringLiteral("Sumpf"), QStringLiteral("Wald"),      QStringLiteral("Wüste")};
}

QString storedTerrain(const QString& choice) {
  return choice == QStringLiteral("Wüste") ? QStringLiteral("Desert") : choice;
}

namespace {

std::optional<qint32> coordinate(const QString& text, const char* axis, QString* error) {
  const std::optional<qint32> v = textutil::strictInt(text);
  if (!v)
    *error = QStringLiteral("„%1“ ist keine gültige ganze Zahl für %2. Die Region wurde nicht gespeichert.")
                 .arg(text, QString::fromUtf8(axis));
  return v;
}

}  // namespace

SaveResult saveRegion(Table& regionen, int slot, int level, const Entry& entry) {
  SaveResult result;
  const std::optional<qint32> x = coordinate(entry.xText, "die Breite", &result.error);
  if (!x) return result;
  const std::optional<qint32> y = coordinate(entry.yText, "die Länge", &result.error);
  if (!y) return result;
  result.x = *x;
  result.y = *y;

  // The whole key is looked up, whatever the table's filter shows.
  FilterOff unfiltered(regionen);
  try {
    regionen.open();
    regionen.setIndexFields(QStringLiteral("Spiel;Breite;Länge;Ebene"));
    if (regionen.findKey({slot, *x, *y, level})) {
      regionen.edit();
    } else {
      regionen.append();
      regionen.setValue(QStringLiteral("Spiel"), slot);
      regionen.setValue(QStringLiteral("Breite"), *x);
      regionen.setValue(QStringLiteral("Länge"), *y);
      regionen.setValue(QStringLiteral("Ebene"), level);
      result.appended = true;
    }
    regionen.setValue(QStringLiteral("Regionname"), entry.name);
    regionen.setValue(QStringLiteral("Regiontyp"), storedTerrain(entry.terrain));
    regionen.setValue(QStringLiteral("Angebot"), entry.exportGood);
    regionen.setValue(QStringLiteral("Info Datum"), 0);
    regionen.post();
  } catch (const DbError& e) {
    regionen.cancel();
    result.appended = false;
    result.error = QStringLiteral("Die Region %1/%2 konnte nicht gespeichert werden: %3").arg(*x).arg(*y).arg(e.message());
    return result;
  }
  result.position = QString::number(*x) + QLatin1Char('/') + QString::number(*y);
  if (level != 0) result.position += QLatin1Char('/') + QString::number(level);
  return result;
}

}  // namespace manualregion
