#include "orders/ordertemplate.h"

#include "app/textutil.h"

QString OrderTemplate::text() const { return lines_.join(QLatin1Char('\n')); }

void OrderTemplate::setText(const QString& text) { lines_ = textutil::splitLines(text); }
