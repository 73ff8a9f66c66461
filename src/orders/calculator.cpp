#include "orders/calculator.h"

#include <QProcess>
#include <QStandardPaths>

namespace calculator {

QStringList candidates() {
  return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),     QStringLiteral("kalk"),
          QStringLiteral("qalculate-gtk"),    QStringLiteral("qalculate-qt"), QStringLiteral("mate-calc"),
          QStringLiteral("galculator"),       QStringLiteral("speedcrunch"), QStringLiteral("xcalc")};
}

QString findCalculator(const Finder& find) {
  for (const QString& name : candidates()) {
    const QString path = find ? find(name) : QStandardPaths::findExecutable(name);
    if (!path.isEmpty()) return path;
  }
  return QString();
}

QString Taschenrechner(const Finder& find) {
  const QString program = findCalculator(find);
  if (program.isEmpty())
    return QStringLiteral("Es ist kein Taschenrechner installiert (gesucht: %1).")
        .arg(candidates().join(QStringLiteral(", ")));
  if (!QProcess::startDetached(program, {}))
    return QStringLiteral("Der Taschenrechner %1 konnte nicht gestartet werden.").arg(program);
  return QString();
}

}  // namespace calculator
