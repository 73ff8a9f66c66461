#pragma once
// The name a region is shown by. A region the report gives no name is
// stored as "Ozean", whatever its terrain; shown so, a fire wall or a
// nameless glacier would pass for sea. The maps and the region view show
// the terrain of such a region instead; the stored name stays as it is.
#include <QString>

namespace regionname {

inline QString shown(const QString& stored, const QString& terrain) {
  const QString ocean = QStringLiteral("Ozean");
  if (stored == ocean && !terrain.isEmpty() && terrain != ocean) return terrain;
  return stored;
}

}  // namespace regionname
