#include "db/bde_tools.h"

#include "db/database.h"
#include "db/dberror.h"
#include "db/schema.h"
#include "db/table.h"

namespace bde_tools {

void AddField(Table& table, const QString& fieldName) {
  if (!table.isOpen()) throw DbError(QStringLiteral("Table must be opened to restructure"));
  if (!table.isExclusive()) throw DbError(QStringLiteral("Table must be opened exclusively to restructure"));
  // The table is re-read afterwards also when the change fails, so the
  // field list always matches the file.
  try {
    table.database().exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 INTEGER")
                              .arg(schema::quoted(table.name()), schema::quoted(fieldName)));
  } catch (...) {
    table.refreshFields();
    throw;
  }
  table.refreshFields();
}

}  // namespace bde_tools
