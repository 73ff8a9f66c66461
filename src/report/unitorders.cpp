#include "report/reportlines.h"
#include "report/unitread.h"

namespace {

using reportlines::contains;

using L = QLatin1StringView;

// The order without the quotes around it.
QString orderText(const QString& line) {
  return line.size() < 2 ? QString() : reportlines::unescape(QStringView(line).mid(1, line.size() - 2));
}

}  // namespace

void readOrders(UnitRead& u) {
  const BlockPart* part = u.block.sub(L("COMMANDS"));
  if (!part) return;
  const UnitFields& f = u.f;
  // The report's orders replace those of an earlier round, for every unit in
  // the same star-list form ("*ARBEITEN*"), so that a search finds them all.
  QString orders = QStringLiteral("*");
  bool confirmed = false;
  for (int i = part->headerIndex + 1; i < part->endIndex; ++i) {
    const QString& line = u.lineAt(i);
    if (contains(line, L(";bestaetigt")) || contains(line, L("; bestaetigt"))) confirmed = true;
    const QString order = orderText(line);
    orders += order;
    orders += QLatin1Char('*');
    // Only the own faction's orders belong into the template.
    if (u.own) {
      u.state.orders.add(QStringLiteral("    ") + order);
      ++u.orderCount;
    }
  }
  u.set(f.defaultBefehl, orders);
  if (confirmed && !u.text(f.flags).contains(QLatin1Char('V'))) u.append(f.flags, QStringLiteral("V"));
}

void addTemplateHeader(UnitRead& u) {
  const UnitFields& f = u.f;
  const QString stationed = u.text(f.stationiert);
  QString place;
  if (stationed.contains(QLatin1Char('S')) || stationed.contains(QLatin1Char('B'))) {
    const bool onShip = stationed.contains(QLatin1Char('S'));
    const QString id = stationed.mid(2);
    const QString entry = QLatin1Char('*') + id + QLatin1Char(';') + u.numberText + QLatin1Char('*');
    const QString& commanders = onShip ? u.state.shipCaptains : u.state.buildingCommanders;
    const bool commands = commanders.contains(entry);
    const char mark = onShip ? (commands ? 'S' : 's') : (commands ? 'G' : 'g');
    place = QLatin1Char(',') + QString(QLatin1Char(mark)) + id;
  }
  const QString header = QStringLiteral(" EINHEIT ") + u.numberText + QStringLiteral(";\t") + u.text(f.name) +
                         QStringLiteral(" [") + QString::number(u.integer(f.personen)) + QLatin1Char(',') +
                         QString::number(u.integer(f.silber)) + QLatin1Char('$') + place + QLatin1Char(']');
  u.state.orders.insert(u.state.orders.lineCount() - u.orderCount, header);
}
