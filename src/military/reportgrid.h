#pragma once
// What the group, army and ship reports share: rows made of one text line
// with numbered markers ("*1;", "*2;", ...) between the values, ordered by
// that line without regard to case, and the check of the whole-number
// fields the reports are filtered by.
#include <QList>
#include <QVariant>
#include <QString>
#include <QStringList>
#include <optional>

namespace reportgrid {

// One listed row: the composed line (the sort key) and its cells.
struct Row {
  QString line;
  QStringList cells;
};

// Joins the values with "*1;", "*2;", ... between them (the marker before
// value i is "*i;"). The cells are kept beside the line rather than cut out
// of it again, so a name that itself holds a marker stays in its column.
QString markedLine(const QStringList& values);

// Orders the rows by their line, case-insensitively; equal lines keep the
// order they were found in.
void sortRows(QList<Row>& rows);

// A report grid: header texts and the data rows in order.
struct Grid {
  QStringList header;
  QList<QStringList> rows;
};

// The field's text as a whole number, or a German message naming the field
// (also for an empty field).
std::optional<qint32> wholeNumber(const QString& text, const QString& fieldName, QString* error);

// An empty integer field reads as no value; otherwise the number in decimal.
QString decimalOrEmpty(const QVariant& value);

}  // namespace reportgrid
