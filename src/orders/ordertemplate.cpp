#include "orders/ordertemplate.h"

#include "game/textutil.h"

QString OrderTemplate::text() const { return lines_.join(QLatin1Char('\n')); }

void OrderTemplate::setText(const QString& text) {
  // The inverse of text(): a final empty line (the one after " NAECHSTER")
  // is a line of the template, not a line end, and must survive the editor.
  if (text.isEmpty()) {
    lines_.clear();
    return;
  }
  QString unified = text;
  unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  lines_ = unified.split(QLatin1Char('\n'));
}
