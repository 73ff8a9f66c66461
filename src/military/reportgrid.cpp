#include "military/reportgrid.h"

#include <algorithm>

#include "app/textutil.h"

namespace reportgrid {

namespace {
QString marker(int n) { return QStringLiteral("*%1;").arg(n); }
}  // namespace

QString markedLine(const QStringList& values) {
  QString line;
  for (int i = 0; i < values.size(); ++i) {
    if (i > 0) line += marker(i);
    line += values.at(i);
  }
  return line;
}

void sortRows(QList<Row>& rows) {
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
    return QString::compare(a.line, b.line, Qt::CaseInsensitive) < 0;
  });
}

std::optional<qint32> wholeNumber(const QString& text, const QString& fieldName, QString* error) {
  const std::optional<qint32> n = textutil::strictInt(text.trimmed());
  if (!n && error) {
    *error = text.trimmed().isEmpty()
                 ? QStringLiteral("Das Feld „%1“ ist leer; es braucht eine ganze Zahl.").arg(fieldName)
                 : QStringLiteral("Das Feld „%1“ enthält „%2“, das ist keine ganze Zahl.").arg(fieldName, text);
  }
  return n;
}

QString decimalOrEmpty(const QVariant& value) {
  return value.isNull() ? QString() : QString::number(value.toLongLong());
}

}  // namespace reportgrid
