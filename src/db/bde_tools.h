#pragma once
// Adding an integer field to an existing table while keeping its rows.
#include <QString>

class Table;

namespace bde_tools {

// Appends one integer field after all existing fields. The table must be
// open exclusively; otherwise DbError with the engine's two messages.
void AddField(Table& table, const QString& fieldName);

}  // namespace bde_tools
