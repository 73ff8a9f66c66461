#pragma once
// Rows for the group, army and ship report tests, written straight into the
// tables of an in-memory database.
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantMap>
#include <gtest/gtest.h>

#include "db/database.h"
#include "db/schema.h"
#include "military/reportgrid.h"

namespace militarytest {

inline void insert(Database& db, const QString& table, const QVariantMap& values) {
  QStringList names, marks;
  for (auto it = values.begin(); it != values.end(); ++it) {
    names << schema::quoted(it.key());
    marks << QStringLiteral("?");
  }
  QSqlQuery q(db.sql());
  q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(schema::quoted(table), names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
  for (const QVariant& v : values) q.addBindValue(v);
  ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
}

// A unit; `more` adds or replaces fields.
inline void unit(Database& db, int slot, const QString& position, int nr, const QString& name, int party, int round,
                 const QVariant& group, const QVariantMap& more = {}) {
  QVariantMap v{{QStringLiteral("Spiel"), slot},       {QStringLiteral("Einheit Position"), position},
                {QStringLiteral("Einheit Nr"), nr},    {QStringLiteral("Einheit Name"), name},
                {QStringLiteral("Partei Nr"), party},  {QStringLiteral("Info Datum"), round},
                {QStringLiteral("Gruppe"), group},     {QStringLiteral("Personen"), 1}};
  v.insert(more);
  insert(db, QStringLiteral("einheiten"), v);
}

inline QStringList column(const QList<reportgrid::Row>& rows, int c) {
  QStringList out;
  for (const auto& r : rows) out << r.cell(c).toString();
  return out;
}

}  // namespace militarytest
